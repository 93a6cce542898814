// Variable names: cut in characters, refused for control characters, empty or twice named.
#include "input/VariableNames.h"

#include "support/TextUtil.h"
#include "support/Utf8.h"

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

std::vector<std::string> variableNameMessages(const std::array<std::string, 8>& names) {
    std::vector<std::string> messages;
    for (const std::string& name : names)
        if (name.empty())
            messages.emplace_back("Variable can not bee NULL");
    for (const std::string& name : names)
        if (!nameCharactersAllowed(name))
            messages.push_back("Variable: \"" + visibleText(name) + "\"\r\n" +
                               std::string(kNameCharacterProblem));
    for (std::size_t i = 0; i < names.size(); ++i)
        for (std::size_t j = i + 1; j < names.size(); ++j)
            if (names[i] == names[j])
                messages.push_back("Variable: \"" + visibleText(names[j]) +
                                   "\"\r\nis redeclarated.");
    return messages;
}
