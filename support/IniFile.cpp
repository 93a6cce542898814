// Reading and writing ini files line by line, every line not written kept as it was.
#include "support/IniFile.h"

#include "support/FileWriter.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

// Settings and language files are a few kilobytes; a larger file is not one of them.
constexpr std::size_t kIniFileLimit = std::size_t{1} << 20;

/// The file as lines without their line ends, and the line end to write them back with.
struct IniLines {
    std::vector<std::string> lines;
    const char* lineEnd = "\r\n";
    /// Why an existing file could not be read; a missing file is no error.
    std::optional<std::string> error;
};

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool sameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

IniLines readLines(const std::string& path) {
    IniLines ini;
    FileRead read = readFileLimited(path, kIniFileLimit);
    if (read.truncated)
        read.error = fileTooLargeText(path, kIniFileLimit);
    if (read.error && !read.missing)
        ini.error = read.error;
    if (read.error || read.bytes.empty())
        return ini;
    const std::string* bytes = &read.bytes;
    // A file written with bare line feeds keeps them.
    if (bytes->find("\r\n") == std::string::npos && bytes->find('\n') != std::string::npos)
        ini.lineEnd = "\n";
    std::size_t start = 0;
    while (start < bytes->size()) {
        std::size_t end = bytes->find('\n', start);
        if (end == std::string::npos)
            end = bytes->size();
        std::string line = bytes->substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ini.lines.push_back(std::move(line));
        start = end + 1;
    }
    return ini;
}

/// The name of a section header line, or nothing for any other line.
std::optional<std::string> headerName(const std::string& line) {
    const std::string t = trimmed(line);
    if (t.size() < 2 || t.front() != '[')
        return std::nullopt;
    const auto close = t.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return trimmed(t.substr(1, close - 1));
}

/// Index of the header line of the first section named `section`.
std::optional<std::size_t> findSection(const std::vector<std::string>& lines,
                                       const std::string& section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = headerName(lines[i]);
        if (name && sameName(*name, section))
            return i;
    }
    return std::nullopt;
}

/// One past the last line of the section whose header is at `header`.
std::size_t sectionEnd(const std::vector<std::string>& lines, std::size_t header) {
    std::size_t i = header + 1;
    while (i < lines.size() && !headerName(lines[i]))
        ++i;
    return i;
}

bool isBlank(const std::string& line) {
    return trimmed(line).empty();
}

void setKey(std::vector<std::string>& lines, const std::string& section, const std::string& key,
            const std::string& value) {
    const std::string line = key + "=" + value;
    const auto header = findSection(lines, section);
    if (!header) {
        lines.push_back("[" + section + "]");
        lines.push_back(line);
        return;
    }
    const std::size_t end = sectionEnd(lines, *header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        if (isBlank(lines[i]) || lines[i].find('=') == std::string::npos)
            continue;
        if (sameName(trimmed(IniFile::splitLine(lines[i]).first), key)) {
            lines[i] = line;
            return;
        }
    }
    // Append after the section's last non-blank line, before any blank lines that close it.
    std::size_t at = end;
    while (at > *header + 1 && isBlank(lines[at - 1]))
        --at;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), line);
}

} // namespace

bool IniFile::exists() const {
    std::error_code error;
    return std::filesystem::is_regular_file(m_path, error);
}

IniFile::KeyValue IniFile::splitLine(const std::string& line) {
    const auto eq = line.find('=');
    if (eq == std::string::npos)
        return {line, {}};
    return {line.substr(0, eq), line.substr(eq + 1)};
}

std::vector<std::string> IniFile::readSection(const std::string& section) const {
    const IniLines ini = readLines(m_path);
    const auto header = findSection(ini.lines, section);
    if (!header)
        return {};
    std::vector<std::string> out;
    const std::size_t end = sectionEnd(ini.lines, *header);
    for (std::size_t i = *header + 1; i < end; ++i)
        if (!isBlank(ini.lines[i]))
            out.push_back(ini.lines[i]);
    return out;
}

std::vector<IniFile::KeyValue> IniFile::readSectionValues(const std::string& section) const {
    std::vector<KeyValue> out;
    for (const std::string& line : readSection(section))
        out.push_back(splitLine(line));
    return out;
}

std::optional<std::string> IniFile::readString(const std::string& section,
                                               const std::string& key) const {
    for (const auto& [k, v] : readSectionValues(section))
        if (sameName(trimmed(k), key))
            return v;
    return std::nullopt;
}

std::optional<std::string> IniFile::writeString(const std::string& section, const std::string& key,
                                                const std::string& value) {
    return writeValues(section, {{key, value}});
}

std::optional<std::string> IniFile::writeValues(const std::string& section,
                                                const std::vector<KeyValue>& values) {
    IniLines ini = readLines(m_path);
    // Writing what could be read of a file that could not be read would lose the rest.
    if (ini.error)
        return ini.error;
    for (const auto& [key, value] : values)
        setKey(ini.lines, section, key, value);
    std::string bytes;
    for (const std::string& line : ini.lines)
        bytes += line + ini.lineEnd;
    return writeFileAtomically(m_path, bytes);
}
