// Splitting lines and escaping text for HTML and XML.
#include "support/TextUtil.h"

#include "support/Utf8.h"

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
