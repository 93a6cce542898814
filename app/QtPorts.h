// The core's ports implemented with Qt widgets: message boxes, the progress bar, the result tree.
#pragma once

#include "engine/Ports.h"

#include <QElapsedTimer>

#include <string>
#include <vector>

class QProgressBar;
class QTreeWidget;

/// Modal QMessageBox: the kind chooses the icon, the button set the buttons. The title is the
/// caption of the active window, or "Lorvane" when none is active.
class QtMessageBox : public IMessageBox {
public:
    MsgAnswer Show(const std::string& text, MsgKind kind, MsgButtons buttons) override;
};

/// A QProgressBar advanced by the minimizer. The analysis runs on the user-interface thread,
/// so the bar repaints itself by letting the event loop run (without user input) at most every
/// few tens of milliseconds while its position changes.
class QtProgressBar : public IProgressBar {
public:
    explicit QtProgressBar(QProgressBar* bar) : m_bar(bar) {}
    [[nodiscard]] int Max() const override;
    void SetMax(int max) override;
    [[nodiscard]] int Position() const override;
    void SetPosition(int position) override;

private:
    QProgressBar* m_bar;
    QElapsedTimer m_sinceUpdate;
};

/// The result tree as a QTreeWidget of one column; new lines get the first image of the list.
class QtResultTree : public IResultTree {
public:
    explicit QtResultTree(QTreeWidget* tree) : m_tree(tree) {}
    [[nodiscard]] int Count() const override;
    void Clear() override;
    void InsertRoot(const std::string& caption) override;
    void AddChild(const std::string& caption) override;

private:
    QTreeWidget* m_tree;
};

/// The lines of a result tree: its first top-level line, then that line's children.
[[nodiscard]] std::vector<std::string> resultTreeLines(const QTreeWidget* tree);
/// Makes child `k` (from 1) of the first top-level line current; other numbers change nothing.
void selectResultTreeLine(QTreeWidget* tree, int k);
