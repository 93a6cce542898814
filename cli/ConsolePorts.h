// The core's ports on a console: messages to standard error, questions answered OK/Yes.
#pragma once

#include "engine/Ports.h"

#include <string>
#include <string_view>
#include <vector>

/// A message's text as a terminal should get it: the window's line breaks ("\r\n") become
/// plain newlines, and every other control character, and every byte that is not UTF-8, is
/// written as an escape ("\x1B").
[[nodiscard]] std::string consoleText(std::string_view text);

/// Prints every message as "kind: text" on standard error (through consoleText) and answers
/// OK or Yes.
class ConsoleMessageBox : public IMessageBox {
public:
    MsgAnswer Show(const std::string& text, MsgKind kind, MsgButtons buttons) override;
    [[nodiscard]] int Shown() const { return m_shown; }

private:
    int m_shown = 0;
};

/// Keeps the result lines for printing: the root line first, then its children.
class ConsoleTree : public IResultTree {
public:
    [[nodiscard]] int Count() const override { return static_cast<int>(m_lines.size()); }
    void Clear() override { m_lines.clear(); }
    void InsertRoot(const std::string& caption) override {
        m_lines.insert(m_lines.begin(), caption);
    }
    void AddChild(const std::string& caption) override { m_lines.push_back("  " + caption); }
    [[nodiscard]] const std::vector<std::string>& Lines() const { return m_lines; }

private:
    std::vector<std::string> m_lines;
};

/// A progress bar that only keeps its numbers.
class ConsoleProgress : public IProgressBar {
public:
    [[nodiscard]] int Max() const override { return m_max; }
    void SetMax(int max) override { m_max = max; }
    [[nodiscard]] int Position() const override { return m_position; }
    void SetPosition(int position) override { m_position = position; }

private:
    int m_max = 100;
    int m_position = 0;
};
