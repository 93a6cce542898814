// Template texts: filling one "%s" slot, joining and splitting lines, escaping text for HTML.
#include "reports/Template.h"

#include "input/Utf8.h"

#include <algorithm>

std::optional<std::string> formatTemplate(std::string_view pattern, std::string_view argument,
                                          std::string& out) {
    std::string text;
    text.reserve(pattern.size() + argument.size());
    bool argumentUsed = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            text += pattern[i];
            continue;
        }
        const char directive = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::string position = std::to_string(i + 1);
        if (directive == '%') {
            text += '%';
        } else if (directive == 's' && !argumentUsed) {
            text += argument;
            argumentUsed = true;
        } else if (directive == 's') {
            return "Template holds a second \"%s\" at position " + position + ".";
        } else {
            return "Template holds an unsupported \"%\" directive at position " + position +
                   "; only \"%s\" and \"%%\" are allowed.";
        }
        ++i;
    }
    out = std::move(text);
    return std::nullopt;
}

std::string templateText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::size_t start = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    std::vector<std::string> lines;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++start;
    }
    return lines;
}

std::string escapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

std::string escapeXml(std::string_view text) {
    static const std::string kReplacement = "\xEF\xBF\xBD";
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char ch = firstUtf8Char(text.substr(at));
        const bool allowed =
            ch.valid && ch.code != 0xFFFE && ch.code != 0xFFFF &&
            (ch.code >= 0x20 || ch.code == '\t' || ch.code == '\n' || ch.code == '\r');
        out += allowed ? escapeHtml(text.substr(at, ch.length)) : kReplacement;
        at += ch.length;
    }
    return out;
}
