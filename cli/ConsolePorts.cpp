// The console's message box: messages on standard error, in text a terminal shows as it is.
#include "cli/ConsolePorts.h"

#include "input/VariableNames.h"

#include <iostream>

std::string consoleText(std::string_view text) {
    std::string shown;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (end < text.size() && line.ends_with('\r'))
            line.remove_suffix(1);
        shown += escapedText(line, Backslash::Kept);
        if (end < text.size())
            shown += '\n';
        start = end + 1;
    }
    return shown;
}

MsgAnswer ConsoleMessageBox::Show(const std::string& text, MsgKind kind, MsgButtons buttons) {
    static const char* const kKinds[] = {"information", "warning", "error"};
    std::cerr << kKinds[static_cast<int>(kind)] << ": " << consoleText(text) << '\n';
    ++m_shown;
    return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
}
