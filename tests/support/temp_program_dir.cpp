#include "support/temp_program_dir.hpp"

#include <stdlib.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace quillo::test {
namespace {

std::filesystem::path temporaryRoot() {
    const char* tmpdir = std::getenv("TMPDIR");
    return (tmpdir != nullptr && *tmpdir != '\0') ? std::filesystem::path(tmpdir)
                                                  : std::filesystem::path("/tmp");
}

std::filesystem::path makeUniqueDirectory() {
    std::string pattern = (temporaryRoot() / "quillo-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
    }
    return std::filesystem::path(buffer.data());
}

// Tests may take write permission away from directories; give it back so
// that everything can be removed.
void restoreOwnerAccess(const std::filesystem::path& root) {
    std::error_code error;
    std::filesystem::permissions(root, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    for (std::filesystem::recursive_directory_iterator it(root, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_directory(error) && !it->is_symlink(error)) {
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
        }
    }
}

}  // namespace

TempProgramDir::TempProgramDir() : path_(makeUniqueDirectory()) {}

TempProgramDir::~TempProgramDir() {
    restoreOwnerAccess(path_);
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

void TempProgramDir::writeConfig(const std::string& content) const {
    writeFile("Config.ini", content);
}

std::string TempProgramDir::readConfigFile() const {
    return readFile("Config.ini");
}

void TempProgramDir::writeLanguageTable(const std::string& fileName,
                                        const std::string& content) const {
    writeFile(std::filesystem::path("Language") / fileName, content);
}

void TempProgramDir::writeFile(const std::filesystem::path& relativePath,
                               const std::string& bytes) const {
    const std::filesystem::path target = path_ / relativePath;
    std::filesystem::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + target.string());
    }
}

std::string TempProgramDir::readFile(const std::filesystem::path& relativePath) const {
    std::ifstream in(path_ / relativePath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace quillo::test
