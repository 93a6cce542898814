// The editing commands of the map: undo and redo of its changes, and its cells copied and
// pasted as the tab-separated text that spreadsheets exchange.
#pragma once

#include "app/commands/MapClipboard.h"

#include <QObject>

class CarnoGridView;
class MapDocument;
class QAction;
class QMenu;
class QWidget;

/// What the editing commands work on.
struct EditLinks {
    /// The main window: parent of the commands; its text table holds their texts.
    QWidget* window = nullptr;
    /// The map whose cells change, with the history of those changes.
    MapDocument* document = nullptr;
    /// The view whose selection is copied and pasted over.
    CarnoGridView* map = nullptr;
};

/// "Undo", "Redo", "Copy" and "Paste" of the Map menu. Owned by the window of its links.
class EditCommands : public QObject {
    Q_OBJECT
public:
    explicit EditCommands(EditLinks links);

    /// Adds the commands to the end of the Map menu, between separators.
    void AddTo(QMenu* mapMenu);
    /// Enables Undo and Redo as the history allows them.
    void UpdateActions();

    void Undo();
    void Redo();
    /// Copies the selected cells as tab-separated text.
    void Copy();
    /// Pastes tab-separated text over the selection: one value fills all of it, a block goes
    /// to its top-left cell and must fit in the map, or nothing is written.
    void Paste();

private:
    void PasteBlock(const CellBlock& block);

    EditLinks m_links;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
};
