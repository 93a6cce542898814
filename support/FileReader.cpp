// Reading files within a limit, through POSIX descriptors so that devices and pipes are bounded.
#include "support/FileReader.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kChunk = std::size_t{64} << 10;

std::string cannotRead(const std::string& path, const std::string& reason) {
    return "Cannot read file \"" + path + "\": " + reason;
}

/// Reads once from `fd`, waiting when the descriptor was left non-blocking by whoever opened it.
std::ptrdiff_t readSome(int fd, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd, buffer, size);
        if (got >= 0)
            return got;
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return -1;
        pollfd wait{fd, POLLIN, 0};
        ::poll(&wait, 1, -1);
    }
}

FileRead readDescriptor(int fd, std::size_t limit, const std::string& path) {
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        FileRead read;
        read.error = cannotRead(path, std::strerror(EISDIR));
        return read;
    }
    return readLimited([fd](char* buffer, std::size_t size) { return readSome(fd, buffer, size); },
                       limit, path);
}

} // namespace

std::optional<int> ownDescriptorNamed(const std::string& path) {
    static const std::pair<std::string_view, int> kStreams[] = {
        {"/dev/stdin", 0}, {"/dev/stdout", 1}, {"/dev/stderr", 2}};
    for (const auto& [name, fd] : kStreams)
        if (path == name)
            return fd;
    for (std::string_view prefix : {"/dev/fd/", "/proc/self/fd/"}) {
        if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0)
            continue;
        int fd = -1;
        const char* end = path.data() + path.size();
        const auto [ptr, ec] = std::from_chars(path.data() + prefix.size(), end, fd);
        if (ec == std::errc() && ptr == end && fd >= 0)
            return fd;
    }
    return std::nullopt;
}

FileRead readLimited(const ByteSource& source, std::size_t limit, const std::string& name) {
    FileRead read;
    // One byte past the limit tells a file of exactly the limit from a larger one.
    const std::size_t wanted = limit + 1;
    while (read.bytes.size() < wanted) {
        const std::size_t start = read.bytes.size();
        const std::size_t size = std::min(kChunk, wanted - start);
        read.bytes.resize(start + size);
        const std::ptrdiff_t got = source(read.bytes.data() + start, size);
        if (got < 0) {
            const int error = errno;
            read.bytes.clear();
            read.error = cannotRead(name, std::strerror(error));
            return read;
        }
        read.bytes.resize(start + static_cast<std::size_t>(got));
        if (got == 0)
            break;
    }
    if (read.bytes.size() > limit) {
        read.bytes.resize(limit);
        read.truncated = true;
    }
    return read;
}

FileRead readFileLimited(const std::string& path, std::size_t limit) {
    if (const auto fd = ownDescriptorNamed(path))
        return readDescriptor(*fd, limit, path);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        FileRead read;
        read.missing = errno == ENOENT;
        read.error = cannotRead(path, std::strerror(errno));
        return read;
    }
    FileRead read = readDescriptor(fd, limit, path);
    ::close(fd);
    return read;
}

std::optional<std::string> readWholeFile(const std::string& path, std::size_t limit,
                                         std::string* error) {
    FileRead read = readFileLimited(path, limit);
    if (read.truncated)
        read.error = fileTooLargeText(path, limit);
    if (read.error) {
        if (error)
            *error = *read.error;
        return std::nullopt;
    }
    return std::move(read.bytes);
}

std::string fileTooLargeText(const std::string& path, std::size_t limit) {
    return cannotRead(path, "it holds more than " + sizeText(limit) + ".");
}

std::string sizeText(std::size_t bytes) {
    constexpr std::size_t kKilo = 1024;
    if (bytes >= kKilo * kKilo && bytes % (kKilo * kKilo) == 0)
        return std::to_string(bytes / (kKilo * kKilo)) + " MB";
    if (bytes >= kKilo && bytes % kKilo == 0)
        return std::to_string(bytes / kKilo) + " KB";
    return std::to_string(bytes) + " bytes";
}
