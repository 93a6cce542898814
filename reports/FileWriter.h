// Writing a whole file or nothing: a temporary file in the same folder renamed over the target.
#pragma once

#include <optional>
#include <string>

/// Writes `bytes` to `path` through a temporary file that replaces the target only when it
/// was written completely. Returns a message for the user when the file could not be written.
[[nodiscard]] std::optional<std::string> writeFileAtomically(const std::string& path,
                                                             const std::string& bytes);

/// Reads a whole file; nothing when it cannot be opened.
[[nodiscard]] std::optional<std::string> readWholeFile(const std::string& path);
