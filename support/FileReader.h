// Reading files within a limit: from regular files, devices, pipes and standard input alike.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

/// The largest text file a reader takes when it names no limit of its own.
inline constexpr std::size_t kTextFileLimit = std::size_t{16} << 20;

/// A source of bytes: fills at most `size` bytes of `buffer` and returns how many it gave, 0 at
/// the end, or -1 with errno set on a failure.
using ByteSource = std::function<std::ptrdiff_t(char* buffer, std::size_t size)>;

/// What a bounded read gave.
struct FileRead {
    /// The first bytes of the file, never more than the limit.
    std::string bytes;
    /// The file holds more than the limit; `bytes` is its beginning.
    bool truncated = false;
    /// There is no file of that name.
    bool missing = false;
    /// Why nothing could be read ("Cannot read file "x": Is a directory"); nothing on success.
    std::optional<std::string> error;
};

/// The descriptor a path names when it names one of the process's own streams: "/dev/stdin",
/// "/dev/stdout", "/dev/stderr", "/dev/fd/N" or "/proc/self/fd/N". Such a path is read or
/// written through the descriptor itself, so that a pipe, a socket or a file opened for
/// appending behaves as the shell set it up.
[[nodiscard]] std::optional<int> ownDescriptorNamed(const std::string& path);

/// Reads `source` to its end or to one byte past `limit`, in chunks, so that an endless device
/// or pipe costs no more than the limit. `name` names the file in the message of a failure.
[[nodiscard]] FileRead readLimited(const ByteSource& source, std::size_t limit,
                                   const std::string& name);

/// Reads the file `path` as readLimited does. A directory is refused with a message; standard
/// input is read as "/dev/stdin" (see ownDescriptorNamed).
[[nodiscard]] FileRead readFileLimited(const std::string& path, std::size_t limit);

/// The whole file when it can be read and holds at most `limit` bytes; otherwise nothing, and
/// `error` (when given) receives the message for the user.
[[nodiscard]] std::optional<std::string> readWholeFile(const std::string& path,
                                                       std::size_t limit = kTextFileLimit,
                                                       std::string* error = nullptr);

/// The message for a file larger than `limit`: "Cannot read file "x": it holds more than 4 MB."
[[nodiscard]] std::string fileTooLargeText(const std::string& path, std::size_t limit);

/// A limit for people: "4 MB", "16 KB" or "300 bytes".
[[nodiscard]] std::string sizeText(std::size_t bytes);
