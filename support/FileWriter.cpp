// The file writer: exclusive temporaries renamed over regular files, in-place writes elsewhere.
// POSIX calls are confined to this file and FileReader.cpp.
#include "support/FileWriter.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <variant>

namespace {

constexpr int kMaxLinks = 40;
constexpr int kTemporaryAttempts = 100;
// A target name longer than this is shortened inside its temporary's name (NAME_MAX is 255).
constexpr std::size_t kNameInTemporary = 128;
constexpr std::size_t kRandomLength = 10;
constexpr std::string_view kTemporaryEnd = ".lvtmp";
constexpr std::time_t kStaleSeconds = 3600;

std::string cannotWrite(const std::string& path, const std::string& reason) {
    return "Cannot write file \"" + path + "\": " + reason;
}

std::string cannotWrite(const std::string& path, int error) {
    return cannotWrite(path, std::strerror(error));
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

/// Where the bytes go once the links are followed.
struct Target {
    std::string path;
    /// The file found there; nothing when there is none yet.
    std::optional<struct stat> status;
    /// One of the process's own streams.
    std::optional<int> descriptor;
};

/// The text of the link at `path`, whose length lstat gave as `size`; nothing (errno set) when
/// it cannot be read.
std::optional<std::string> readLink(const std::string& path, std::size_t size) {
    // One byte more than expected tells a link that changed meanwhile from a whole one.
    std::string link(size + 1, '\0');
    const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
    if (length < 0)
        return std::nullopt;
    if (static_cast<std::size_t>(length) > size) {
        errno = EAGAIN;
        return std::nullopt;
    }
    link.resize(static_cast<std::size_t>(length));
    return link;
}

/// Follows the links from `given` to the file they name; a message when that fails.
std::variant<Target, std::string> resolveTarget(const std::string& given) {
    std::string path = given;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        if (const auto fd = ownDescriptorNamed(path))
            return Target{path, std::nullopt, fd};
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno != ENOENT)
                return cannotWrite(given, errno);
            if (hop > 0)
                return cannotWrite(given,
                                   "it is a link to \"" + path + "\", which does not exist.");
            return Target{path, std::nullopt, std::nullopt};
        }
        if (!S_ISLNK(status.st_mode))
            return Target{path, status, std::nullopt};
        const auto link = readLink(path, static_cast<std::size_t>(status.st_size));
        if (!link)
            return cannotWrite(given, errno);
        const bool relative = link->empty() || link->front() != '/';
        path =
            relative && path.find('/') != std::string::npos ? folderOf(path) + "/" + *link : *link;
    }
    return cannotWrite(given, ELOOP);
}

/// Why the existing file at `path` may not be written, or nothing. Root may write anything,
/// so the mode bits decide for every user: a file without any write bit is read-only.
std::optional<std::string> readOnlyReason(const std::string& path, const struct stat& status) {
    if ((status.st_mode & 0222) == 0)
        return std::string(std::strerror(EACCES)) + " (the file is read-only)";
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return std::string(std::strerror(errno));
    return std::nullopt;
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            if (wrote == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

/// Closes a descriptor it owns when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    [[nodiscard]] int get() const { return m_fd; }
    /// Closes now; false (errno set) when the close reported a failed write.
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

std::optional<std::string> writeToOwnStream(const std::string& given, int fd,
                                            const std::string& bytes) {
    if (!writeAll(fd, bytes))
        return cannotWrite(given, errno);
    return std::nullopt;
}

/// Writes a device, a FIFO or a file with several links where it stands. A regular file is
/// locked against other writers while it is rewritten, then cut to its new length.
std::optional<std::string> writeInPlace(const std::string& given, const Target& target,
                                        const std::string& bytes) {
    const bool regular = target.status && S_ISREG(target.status->st_mode);
    Descriptor file(
        ::open(target.path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | (regular ? O_NOFOLLOW : 0)));
    if (file.get() < 0)
        return cannotWrite(given, errno);
    if (regular && (::flock(file.get(), LOCK_EX) != 0 || !writeAll(file.get(), bytes) ||
                    ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0 ||
                    ::fsync(file.get()) != 0))
        return cannotWrite(given, errno);
    if (!regular && !writeAll(file.get(), bytes))
        return cannotWrite(given, errno);
    if (!file.close())
        return cannotWrite(given, errno);
    return std::nullopt;
}

/// The mode of a new file: 0666 less the umask, read without changing it where Linux tells it.
mode_t newFileMode() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) != 0)
            continue;
        const auto digits = line.find_first_of("01234567", 6);
        unsigned mask = 0;
        if (digits != std::string::npos &&
            std::from_chars(line.data() + digits, line.data() + line.size(), mask, 8).ec ==
                std::errc())
            return 0666 & ~static_cast<mode_t>(mask);
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

/// Gives the new file the target's owner, group and permission bits as far as the user may.
bool takeOverAttributes(int fd, const std::optional<struct stat>& existing) {
    if (!existing)
        return ::fchmod(fd, newFileMode()) == 0;
    if (::geteuid() == 0)
        (void)!::fchown(fd, existing->st_uid, existing->st_gid);
    else if (existing->st_gid != ::getegid())
        (void)!::fchown(fd, static_cast<uid_t>(-1), existing->st_gid);
    return ::fchmod(fd, existing->st_mode & 0777) == 0;
}

/// The shared beginning of every temporary of one target: ".NAME." (NAME shortened when long).
std::string temporaryPrefix(const std::string& name) {
    std::string prefix(1, '.');
    prefix += name.substr(0, kNameInTemporary);
    return prefix += '.';
}

/// The process that made the temporary named `name` of a target whose temporaries begin with
/// `prefix` (".NAME.PID-RANDOM.lvtmp"); nothing for any other name.
std::optional<pid_t> temporaryOwner(std::string_view name, const std::string& prefix) {
    if (name.size() <= prefix.size() + kTemporaryEnd.size() ||
        name.substr(0, prefix.size()) != prefix ||
        name.substr(name.size() - kTemporaryEnd.size()) != kTemporaryEnd)
        return std::nullopt;
    const std::string_view middle =
        name.substr(prefix.size(), name.size() - prefix.size() - kTemporaryEnd.size());
    const auto dash = middle.find('-');
    if (dash == std::string_view::npos || middle.size() - dash - 1 != kRandomLength)
        return std::nullopt;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(middle.data(), middle.data() + dash, pid);
    if (error != std::errc() || end != middle.data() + dash || pid <= 0)
        return std::nullopt;
    return pid;
}

/// Removes the temporaries of this target that a killed writer left: an hour old, and made
/// by a process that no longer exists. A live writer's temporary is never touched.
void removeStaleTemporaries(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const std::string prefix = temporaryPrefix(name);
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const auto pid = temporaryOwner(entry->d_name, prefix);
        if (!pid)
            continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
            now - status.st_mtime < kStaleSeconds || ::kill(*pid, 0) == 0 || errno != ESRCH)
            continue;
        ::unlink(path.c_str());
    }
    ::closedir(dir);
}

/// A temporary file of the target's folder, created exclusively; removed unless kept.
class Temporary {
public:
    Temporary(const std::string& folder, const std::string& name) {
        static thread_local std::mt19937_64 random(std::random_device{}());
        static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
            std::string unique;
            for (std::size_t i = 0; i < kRandomLength; ++i)
                unique += kLetters[random() % (sizeof kLetters - 1)];
            m_path = folder + "/" + temporaryPrefix(name) + std::to_string(::getpid()) + "-" +
                     unique + std::string(kTemporaryEnd);
            m_fd =
                ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (m_fd >= 0 || errno != EEXIST)
                break;
        }
        m_error = m_fd < 0 ? errno : 0;
    }
    ~Temporary() {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_kept && m_error == 0)
            ::unlink(m_path.c_str());
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    [[nodiscard]] int error() const { return m_error; }
    [[nodiscard]] int fd() const { return m_fd; }
    [[nodiscard]] const std::string& path() const { return m_path; }
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }
    void keep() { m_kept = true; }

private:
    std::string m_path;
    int m_fd = -1;
    int m_error = 0;
    bool m_kept = false;
};

/// Holds back the signals that end a program from the keyboard or a session while a temporary
/// exists, so that an interrupted write still removes it; they arrive when the guard ends.
class SignalGuard {
public:
    SignalGuard() {
        sigset_t blocked;
        sigemptyset(&blocked);
        for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
            sigaddset(&blocked, signal);
        pthread_sigmask(SIG_BLOCK, &blocked, &m_before);
    }
    ~SignalGuard() { pthread_sigmask(SIG_SETMASK, &m_before, nullptr); }
    SignalGuard(const SignalGuard&) = delete;
    SignalGuard& operator=(const SignalGuard&) = delete;

private:
    sigset_t m_before{};
};

/// Flushes the folder's entry of the renamed file where the file system can.
void syncFolder(const std::string& folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        (void)::fsync(dir.get());
}

std::optional<std::string> replaceFile(const std::string& given, const Target& target,
                                       const std::string& bytes) {
    const std::string folder = folderOf(target.path);
    const std::string name = nameOf(target.path);
    removeStaleTemporaries(folder, name);
    const SignalGuard guard;
    Temporary temporary(folder, name);
    if (temporary.error())
        return cannotWrite(given, temporary.error());
    if (!writeAll(temporary.fd(), bytes) || !takeOverAttributes(temporary.fd(), target.status) ||
        ::fsync(temporary.fd()) != 0 || !temporary.close() ||
        ::rename(temporary.path().c_str(), target.path.c_str()) != 0)
        return cannotWrite(given, errno);
    temporary.keep();
    syncFolder(folder);
    return std::nullopt;
}

/// Why a write to `target` is refused before anything is written (a folder, a read-only file);
/// nothing when it may go ahead.
std::optional<std::string> refusalOf(const std::string& given, const Target& target) {
    if (!target.status)
        return std::nullopt;
    if (S_ISDIR(target.status->st_mode))
        return cannotWrite(given, EISDIR);
    if (auto reason = readOnlyReason(target.path, *target.status))
        return cannotWrite(given, *reason);
    return std::nullopt;
}

/// Whether `target` is written over in place: a special file or one with several names, whose
/// replacement would cut it off from the names or the device behind it.
bool writesInPlace(const Target& target) {
    return target.status && (!S_ISREG(target.status->st_mode) || target.status->st_nlink > 1);
}

} // namespace

std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes) {
    auto resolved = resolveTarget(path);
    if (auto* error = std::get_if<std::string>(&resolved))
        return *error;
    const Target& target = std::get<Target>(resolved);
    if (target.descriptor)
        return writeToOwnStream(path, *target.descriptor, bytes);
    if (auto refusal = refusalOf(path, target))
        return refusal;
    if (writesInPlace(target))
        return writeInPlace(path, target, bytes);
    return replaceFile(path, target, bytes);
}

std::optional<std::string> writeRefusal(const std::string& path) {
    auto resolved = resolveTarget(path);
    if (auto* error = std::get_if<std::string>(&resolved))
        return *error;
    const Target& target = std::get<Target>(resolved);
    if (target.descriptor)
        return std::nullopt;
    if (auto refusal = refusalOf(path, target))
        return refusal;
    if (writesInPlace(target))
        return std::nullopt;
    if (::faccessat(AT_FDCWD, folderOf(target.path).c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return cannotWrite(path, errno);
    return std::nullopt;
}

bool accessAllowsWriting(const std::string& path) {
    return ::access(path.c_str(), W_OK) == 0;
}
