// Small text helpers: case, spaces, fields, joining and splitting lines, escaping for HTML and XML.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

/// The text without its space characters.
[[nodiscard]] inline std::string removeSpaces(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text)
        if (ch != ' ')
            out += ch;
    return out;
}

/// The text with ASCII letters in upper case; other characters unchanged.
[[nodiscard]] inline std::string upperAscii(std::string text) {
    for (char& ch : text)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return text;
}

/// The fields of `text` between the `separator` characters, empty ones included: "a,,b" has
/// three fields and "" one.
[[nodiscard]] inline std::vector<std::string> fieldsOf(std::string_view text, char separator) {
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        fields.emplace_back(text.substr(start, end - start));
        if (end == text.size())
            return fields;
        start = end + 1;
    }
}

/// The text with ASCII letters in lower case; other characters unchanged.
[[nodiscard]] inline std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& ch : out)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return out;
}

/// True when the texts differ at most in the letter case of ASCII letters.
[[nodiscard]] inline bool sameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char ch) { return ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

/// The parts one after another with `separator` between each two.
[[nodiscard]] inline std::string join(const std::vector<std::string>& parts,
                                      std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            text += separator;
        text += parts[i];
    }
    return text;
}

/// The lines of a text, split at CR LF, LF or CR: a line end at the very end starts no further
/// line. A leading UTF-8 byte-order mark is dropped.
[[nodiscard]] std::vector<std::string> splitLines(std::string_view text);

/// `text` with "&", "<", ">" and the double quote written as character references.
[[nodiscard]] std::string escapeHtml(std::string_view text);

/// `text` for XML character data and attribute values: escaped as escapeHtml does, and what
/// XML cannot hold at all (control characters but tab, line feed and carriage return, bytes
/// that are not UTF-8, U+FFFE and U+FFFF) replaced by U+FFFD, so that the document stays
/// well-formed whatever the text.
[[nodiscard]] std::string escapeXml(std::string_view text);
