// IniFile: settings and language files, read and written line by line so that lines users wrote
// stay.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

/// An ini file read and written line by line, so that a file a user or a translator edited
/// keeps everything it does not set: section and key names match without regard to case, a written
/// key replaces its value in place or is appended at the end of its section (section and file are
/// created when missing), every other line stays as it was, and values are kept raw (no quoting, no
/// escapes). Each write replaces the whole file or leaves it untouched.
class IniFile {
public:
    using KeyValue = std::pair<std::string, std::string>;

    explicit IniFile(std::string path) : m_path(std::move(path)) {}

    [[nodiscard]] const std::string& path() const { return m_path; }
    [[nodiscard]] bool exists() const;

    /// Every non-blank line of the first section named `section`, as written; empty when the
    /// file or the section is missing.
    [[nodiscard]] std::vector<std::string> readSection(const std::string& section) const;
    /// The lines of `section` split at their first "=" (a line without "=" gives an empty value).
    [[nodiscard]] std::vector<KeyValue> readSectionValues(const std::string& section) const;
    /// The value of the first line of `section` whose key matches `key`.
    [[nodiscard]] std::optional<std::string> readString(const std::string& section,
                                                        const std::string& key) const;

    /// Writes one key. Returns a message for the user when the file could not be written.
    [[nodiscard]] std::optional<std::string>
    writeString(const std::string& section, const std::string& key, const std::string& value);
    /// Writes several keys of one section in order, in a single replacement of the file.
    [[nodiscard]] std::optional<std::string> writeValues(const std::string& section,
                                                         const std::vector<KeyValue>& values);

    /// Splits a line at its first "=" into key and value.
    [[nodiscard]] static KeyValue splitLine(const std::string& line);

private:
    std::string m_path;
};
