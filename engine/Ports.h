// The window-system services that the core reaches, as small abstract interfaces.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// Kind of a message box: decides its icon.
enum class MsgKind { Information, Warning, Error };
/// Buttons of a message box. SaveDiscardCancel asks about unsaved changes.
enum class MsgButtons { Ok, OkCancel, YesNo, SaveDiscardCancel };
/// The button the user pressed.
enum class MsgAnswer { Ok, Cancel, Yes, No, Save, Discard };

/// Modal message box: shows a text and returns the user's answer.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual MsgAnswer Show(const std::string& text, MsgKind kind, MsgButtons buttons) = 0;
};

/// Progress bar advanced by the minimizer.
class IProgressBar {
public:
    virtual ~IProgressBar() = default;
    [[nodiscard]] virtual int Max() const = 0;
    virtual void SetMax(int max) = 0;
    [[nodiscard]] virtual int Position() const = 0;
    virtual void SetPosition(int position) = 0;
};

/// Result tree: one root line (the whole result) with one child line per term.
class IResultTree {
public:
    virtual ~IResultTree() = default;
    /// Number of lines, root and children together.
    [[nodiscard]] virtual int Count() const = 0;
    virtual void Clear() = 0;
    /// Inserts a top-level line before any lines already present.
    virtual void InsertRoot(const std::string& caption) = 0;
    /// Adds a child line under the first top-level line.
    virtual void AddChild(const std::string& caption) = 0;
};

/// A data cell of the map, by column and row counted from 1.
struct CellPos {
    int col = 0;
    int row = 0;
    bool operator==(const CellPos&) const = default;
};

/// The on-screen map: repainted after every change of the map, and painted over for a
/// term highlight until the next repaint.
class IMapView {
public:
    virtual ~IMapView() = default;
    /// Redraws the whole map; drops any highlight.
    virtual void Repaint() = 0;
    /// Fills the given cells solid in `color` (0x00BBGGRR).
    virtual void FillCells(const std::vector<CellPos>& cells, std::uint32_t color) = 0;
};
