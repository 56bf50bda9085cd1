#pragma once

#include <filesystem>
#include <string>

namespace quillo::test {

// A fresh, empty program directory under $TMPDIR (or /tmp), removed with
// everything in it when the object goes. Files are written and read as raw
// bytes: GBK content goes in and comes out untouched.
class TempProgramDir {
public:
    TempProgramDir();
    ~TempProgramDir();
    TempProgramDir(const TempProgramDir&) = delete;
    TempProgramDir& operator=(const TempProgramDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path configPath() const { return path_ / "Config.ini"; }

    // Writes <dir>/Config.ini.
    void writeConfig(const std::string& content) const;
    // The bytes of <dir>/Config.ini; the empty string when it is missing.
    std::string readConfigFile() const;
    // Writes <dir>/Language/<fileName>.
    void writeLanguageTable(const std::string& fileName, const std::string& content) const;
    // Writes <dir>/<relativePath>, creating the directories on the way.
    void writeFile(const std::filesystem::path& relativePath, const std::string& bytes) const;
    // The bytes of <dir>/<relativePath>; the empty string when it is missing.
    std::string readFile(const std::filesystem::path& relativePath) const;

private:
    std::filesystem::path path_;
};

}  // namespace quillo::test
