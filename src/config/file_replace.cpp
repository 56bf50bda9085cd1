#include "config/file_replace.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

namespace quillo {
namespace {

class UniqueFd {
  public:
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // Closes now and reports whether the close succeeded.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string randomSuffix() {
    std::random_device device;
    const unsigned long long value = (static_cast<unsigned long long>(device()) << 32) ^ device() ^
                                     static_cast<unsigned long long>(::getpid());
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%016llx", value);
    return buffer;
}

// A new, empty sibling of target, created exclusively with the usual
// permission bits (subject to the umask).
struct Sibling {
    std::filesystem::path path;
    int fd = -1;
};

Sibling createSibling(const std::filesystem::path& target) {
    constexpr int kAttempts = 16;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::filesystem::path candidate = target;
        candidate.replace_filename("." + target.filename().string() + ".tmp-" + randomSuffix());
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            return {std::move(candidate), fd};
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return {};
}

void syncDirectory(const std::filesystem::path& directory) {
    UniqueFd fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) {
        ::fsync(fd.get());
    }
}

std::filesystem::path resolveLink(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) {
        return path;
    }
    std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    return error ? path : resolved;
}

}  // namespace

FileBytes readFileBytes(const std::filesystem::path& path) {
    FileBytes result;
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        result.state = errno == ENOENT ? FileBytes::State::Missing : FileBytes::State::Unreadable;
        return result;
    }
    char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.bytes.clear();
            result.state = FileBytes::State::Unreadable;
            return result;
        }
        if (got == 0) {
            break;
        }
        result.bytes.append(buffer, static_cast<std::size_t>(got));
    }
    result.state = FileBytes::State::Read;
    return result;
}

bool replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path target = resolveLink(path);
    Sibling sibling = createSibling(target);
    if (sibling.fd < 0) {
        return false;
    }
    UniqueFd fd(sibling.fd);

    struct stat old {};
    bool written = true;
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        written = ::fchmod(fd.get(), old.st_mode & 07777) == 0;
    }
    written = written && writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    written = fd.close() && written;
    if (!written || ::rename(sibling.path.c_str(), target.c_str()) != 0) {
        ::unlink(sibling.path.c_str());
        return false;
    }
    const std::filesystem::path directory = target.parent_path();
    syncDirectory(directory.empty() ? std::filesystem::path(".") : directory);
    return true;
}

}  // namespace quillo
