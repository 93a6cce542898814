// What the main window's commands work on, given to them as links instead of the window.
#pragma once

#include <functional>

class CarnoGridView;
class IMessageBox;
class IUserDialogs;
class QStatusBar;
class QTreeWidget;
class QWidget;
class TCarnoGrid;

/// The map, the widgets that show it and its result, and the dialogs the commands open.
struct MapLinks {
    /// The main window: parent of the commands and their dialogs; its text table holds their
    /// texts.
    QWidget* window = nullptr;
    TCarnoGrid* grid = nullptr;
    CarnoGridView* map = nullptr;
    /// The result tree: the whole result on its first line, one line per term below it.
    QTreeWidget* results = nullptr;
    /// The file and print dialogs of exports and printing.
    IUserDialogs* dialogs = nullptr;
    /// Asks before an export replaces a file.
    IMessageBox* messages = nullptr;
    /// Whether the result on show belongs to the map as it is now.
    std::function<bool()> resultIsCurrent;
};

/// When the result tree shows a result that belongs to an earlier map, says so (the main
/// window's text "StaleResult") and returns true: the command must not use it.
bool refuseStaleResult(const MapLinks& links);

/// What the result commands work on besides the map.
struct ResultLinks {
    MapLinks map;
    /// Says after Analyze what the result shown is worth.
    QStatusBar* statusBar = nullptr;
    /// Applies the current language to a dialog made for the time it is shown.
    std::function<void(QWidget* dialog)> translate;
};
