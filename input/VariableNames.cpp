// Variable names: cut in characters, refused for control characters, operators, empty or twice
// named.
#include "input/VariableNames.h"

#include "support/TextUtil.h"
#include "support/Utf8.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string hexEscape(const char* format, unsigned code) {
    char text[8];
    std::snprintf(text, sizeof text, format, code);
    return text;
}

std::string nameLine(std::string_view name) {
    return "Variable: \"" + visibleText(name) + "\"\r\n";
}

bool holds(const std::array<std::string, 8>& names, std::size_t except, std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (i != except && names[i] == name)
            return true;
    return false;
}

/// The first letter from A to Z that no name but the one at `except` holds; eight names
/// leave at least eighteen of them free.
std::string freeLetter(const std::array<std::string, 8>& names, std::size_t except) {
    std::string letter = "A";
    while (holds(names, except, letter))
        ++letter[0];
    return letter;
}

} // namespace

std::string variableNameOf(std::string_view typed) {
    return cutToCharacters(upperAscii(std::string(typed)), kMaxNameLength);
}

bool nameCharactersAllowed(std::string_view name) {
    for (std::size_t at = 0; at < name.size();) {
        const Utf8Char ch = firstUtf8Char(name.substr(at));
        if (!ch.valid || isControlCharacter(ch.code))
            return false;
        at += ch.length;
    }
    return true;
}

std::optional<std::string> formulaNameProblem(std::string_view name) {
    if (name.empty())
        return std::nullopt;
    for (const char op : {'+', '*', '|'})
        if (name.find(op) != std::string_view::npos)
            return "holds \"" + std::string(1, op) + "\", an operator of formulas.";
    if (name.find(' ') != std::string_view::npos)
        return std::string("holds a space, which formulas leave out.");
    if (std::all_of(name.begin(), name.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return std::string("is only digits: it would read as a number.");
    return std::nullopt;
}

std::string visibleText(std::string_view text) {
    std::string visible;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char ch = firstUtf8Char(text.substr(at));
        if (ch.valid && !isControlCharacter(ch.code))
            visible += text.substr(at, ch.length);
        else
            visible += '?';
        at += ch.length;
    }
    return visible;
}

std::string escapedText(std::string_view text, Backslash backslash) {
    std::string escaped;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char ch = firstUtf8Char(text.substr(at));
        if (!ch.valid)
            escaped += hexEscape("\\x%02X", static_cast<unsigned char>(text[at]));
        else if (isControlCharacter(ch.code))
            escaped += hexEscape(ch.code < 0x80 ? "\\x%02X" : "\\u%04X", ch.code);
        else if (text[at] == '\\' && backslash == Backslash::Escaped)
            escaped += "\\\\";
        else
            escaped += text.substr(at, ch.length);
        at += ch.length;
    }
    return escaped;
}

std::vector<std::string> variableNameMessages(const std::array<std::string, 8>& names) {
    std::vector<std::string> messages;
    for (const std::string& name : names)
        if (name.empty())
            messages.emplace_back("Variable can not bee NULL");
    for (const std::string& name : names)
        if (!nameCharactersAllowed(name))
            messages.push_back(nameLine(name) + std::string(kNameCharacterProblem));
    for (const std::string& name : names)
        if (const auto problem = formulaNameProblem(name); problem && nameCharactersAllowed(name))
            messages.push_back(nameLine(name) + *problem);
    for (std::size_t i = 0; i < names.size(); ++i)
        for (std::size_t j = i + 1; j < names.size(); ++j)
            if (names[i] == names[j])
                messages.push_back(nameLine(names[j]) + "is redeclarated.");
    return messages;
}

std::array<std::string, 8> namesWithGiven(const std::vector<std::string>& given,
                                          const std::array<std::string, 8>& current,
                                          int variables) {
    std::array<std::string, 8> names = current;
    std::copy_n(given.begin(), std::min(given.size(), names.size()), names.begin());
    const auto firstHidden = std::max(given.size(), static_cast<std::size_t>(variables));
    for (std::size_t i = firstHidden; i < names.size(); ++i)
        if (holds(names, i, names[i]))
            names[i] = freeLetter(names, i);
    return names;
}
