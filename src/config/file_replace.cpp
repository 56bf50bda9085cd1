#include "config/file_replace.hpp"

#include <fcntl.h>
#include <sys/file.h>
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
    void release() { fd_ = -1; }

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

constexpr std::string_view kSiblingMark = ".tmp-";
constexpr std::size_t kSuffixDigits = 16;

std::string siblingPrefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + std::string(kSiblingMark);
}

bool isSiblingName(const std::string& name, const std::string& prefix) {
    if (name.size() != prefix.size() + kSuffixDigits || !name.starts_with(prefix)) {
        return false;
    }
    return name.find_first_not_of("0123456789abcdef", prefix.size()) == std::string::npos;
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the name still leads to the open file.
bool nameIsFile(const std::filesystem::path& name, int fd) {
    struct stat byName {};
    struct stat open {};
    return ::lstat(name.c_str(), &byName) == 0 && ::fstat(fd, &open) == 0 && sameFile(byName, open);
}

std::string randomSuffix() {
    std::random_device device;
    const unsigned long long value = (static_cast<unsigned long long>(device()) << 32) ^ device() ^
                                     static_cast<unsigned long long>(::getpid());
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*llx", static_cast<int>(kSuffixDigits), value);
    return buffer;
}

// A new, empty sibling of target, created exclusively with the usual
// permission bits (subject to the umask). The writer holds an exclusive lock
// on it until the descriptor is closed, which marks it as in use: a sibling
// nobody holds locked was left by a writer that died.
struct Sibling {
    std::filesystem::path path;
    int fd = -1;
};

Sibling createSibling(const std::filesystem::path& target) {
    constexpr int kAttempts = 16;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::filesystem::path candidate = target;
        candidate.replace_filename(siblingPrefix(target) + randomSuffix());
        UniqueFd fd(::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!fd.valid()) {
            if (errno != EEXIST) {
                break;
            }
            continue;
        }
        // Between the creation and the lock another start-up may have taken
        // the fresh file for a stale one and removed it; then start over.
        if (::flock(fd.get(), LOCK_EX) == 0 && nameIsFile(candidate, fd.get())) {
            const int owned = fd.get();
            fd.release();
            return {std::move(candidate), owned};
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
    // The rename happens while the lock is still held, so the complete
    // sibling is never taken for a stale one.
    if (!written || ::rename(sibling.path.c_str(), target.c_str()) != 0) {
        ::unlink(sibling.path.c_str());
        return false;
    }
    fd.close();
    const std::filesystem::path directory = target.parent_path();
    syncDirectory(directory.empty() ? std::filesystem::path(".") : directory);
    return true;
}

std::size_t removeStaleSiblings(const std::filesystem::path& path) {
    const std::filesystem::path target = resolveLink(path);
    const std::string prefix = siblingPrefix(target);
    std::filesystem::path directory = target.parent_path();
    if (directory.empty()) {
        directory = ".";
    }
    std::error_code error;
    std::filesystem::directory_iterator entries(directory, error);
    if (error) {
        return 0;
    }
    std::size_t removed = 0;
    for (const std::filesystem::directory_entry& entry : entries) {
        const std::filesystem::path& sibling = entry.path();
        if (!isSiblingName(sibling.filename().string(), prefix)) {
            continue;
        }
        UniqueFd fd(::open(sibling.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat status {};
        if (!fd.valid() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
            continue;
        }
        // A locked sibling belongs to a write in progress (another running
        // copy). The name is removed while the lock is held, so a writer
        // that locks the file afterwards finds its name gone.
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 || !nameIsFile(sibling, fd.get())) {
            continue;
        }
        if (::unlink(sibling.c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace quillo
