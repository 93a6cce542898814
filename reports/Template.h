// Template texts: filling one "%s" slot, joining and splitting lines, escaping text for HTML.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Writes `pattern` to `out` with "%s" replaced by `argument` and "%%" by "%". Returns an error
/// text, and leaves `out` untouched, when the pattern holds any other "%" directive or more
/// than one "%s": templates come from files and are never handed to printf.
[[nodiscard]] std::optional<std::string>
formatTemplate(std::string_view pattern, std::string_view argument, std::string& out);

/// The whole text of a template list: every line followed by CR LF.
[[nodiscard]] std::string templateText(const std::vector<std::string>& lines);

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

/// The lines of a text, split at CR LF, LF or CR as a string list takes a text: a line end at
/// the very end starts no further line. A leading UTF-8 byte-order mark is dropped.
[[nodiscard]] std::vector<std::string> splitLines(std::string_view text);

/// `text` with "&", "<", ">" and the double quote written as character references.
[[nodiscard]] std::string escapeHtml(std::string_view text);

/// `text` for XML character data and attribute values: escaped as escapeHtml does, and what
/// XML cannot hold at all (control characters but tab, line feed and carriage return, bytes
/// that are not UTF-8, U+FFFE and U+FFFF) replaced by U+FFFD, so that the document stays
/// well-formed whatever the text.
[[nodiscard]] std::string escapeXml(std::string_view text);
