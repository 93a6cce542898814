// Recording fakes of the core's ports and small helpers for building maps in tests.
#pragma once

#include "engine/CarnoGrid.h"

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

/// Records every message and answers from a script (OK/Yes, or Discard to "Save changes?",
/// when the script is empty).
class FakeMessageBox : public IMessageBox {
public:
    struct Shown {
        std::string text;
        MsgKind kind;
        MsgButtons buttons;
    };
    MsgAnswer Show(const std::string& text, MsgKind kind, MsgButtons buttons) override {
        shown.push_back({text, kind, buttons});
        if (!answers.empty()) {
            const MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        if (buttons == MsgButtons::SaveDiscardCancel)
            return MsgAnswer::Discard;
        return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    }
    [[nodiscard]] std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& s : shown)
            texts.push_back(s.text);
        return texts;
    }
    std::vector<Shown> shown;
    std::deque<MsgAnswer> answers;
};

/// Keeps the tree as lines; children are indented by two spaces.
class FakeTree : public IResultTree {
public:
    [[nodiscard]] int Count() const override { return static_cast<int>(lines.size()); }
    void Clear() override { lines.clear(); }
    void InsertRoot(const std::string& caption) override { lines.insert(lines.begin(), caption); }
    void AddChild(const std::string& caption) override { lines.push_back("  " + caption); }
    std::vector<std::string> lines;
};

class FakeProgress : public IProgressBar {
public:
    [[nodiscard]] int Max() const override { return max; }
    void SetMax(int value) override { max = value; }
    [[nodiscard]] int Position() const override { return position; }
    void SetPosition(int value) override {
        position = value;
        ++updates;
    }
    int max = 100;
    int position = 0;
    int updates = 0;
};

class FakeView : public IMapView {
public:
    void Repaint() override {
        ++repaints;
        filled.clear();
    }
    void FillCells(const std::vector<CellPos>& cells, std::uint32_t c) override {
        filled = cells;
        color = c;
    }
    int repaints = 0;
    std::vector<CellPos> filled;
    std::uint32_t color = 0;
};

/// A map wired to recording ports.
struct TestMap {
    TCarnoGrid grid;
    FakeMessageBox messages;
    FakeTree tree;
    FakeProgress progress;
    FakeView view;

    explicit TestMap(int variables = 4) {
        grid.SetMessageBox(&messages);
        grid.SetTreeView(&tree);
        grid.SetProgress(&progress);
        grid.SetView(&view);
        grid.SetVariableCount(variables);
    }
    /// Sets the cells of the given minterms to `value`.
    void Set(const std::vector<int>& minterms, const std::string& value) {
        for (int m : minterms) {
            const CellPos cell = grid.CellOfMinterm(m);
            grid.SetCells(cell.col, cell.row, value);
        }
    }
    /// Sets every data cell to `value`.
    void FillAll(const std::string& value) {
        for (int c = 1; c <= grid.DataCols(); ++c)
            for (int r = 1; r <= grid.DataRows(); ++r)
                grid.SetCells(c, r, value);
    }
    /// Text of the cell of minterm `m`.
    [[nodiscard]] std::string At(int m) const {
        const CellPos cell = grid.CellOfMinterm(m);
        return grid.Cells(cell.col, cell.row);
    }
    /// Runs the Analyze command on the map.
    void Analyze(TGlueMethod method = gmDNF) { grid.Analyze(method); }
};

/// A folder of its own for the files one test writes, removed with its content at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& tag)
        : m_dir(std::filesystem::temp_directory_path() /
                ("lorvane_" + tag + "_" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(m_dir);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    [[nodiscard]] std::string Path(const std::string& name) const {
        return (m_dir / name).string();
    }

private:
    std::filesystem::path m_dir;
};

/// How many times `what` occurs in `text`, counting from each place it starts at.
inline int CountOf(const std::string& text, const std::string& what) {
    int count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

/// True when the shell finds the program `tool`.
inline bool ToolInstalled(const std::string& tool) {
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

/// Runs a shell command; its output goes to `log` (appended). True when it exits with 0.
inline bool RunTool(const std::string& command, const std::string& log) {
    return std::system((command + " >>'" + log + "' 2>&1").c_str()) == 0;
}
