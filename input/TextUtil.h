// Small text helpers shared by the parsers of user input.
#pragma once

#include <string>

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
