// Report templates: filling one "%s" slot, and a template list as one text.
#include "reports/Template.h"

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
