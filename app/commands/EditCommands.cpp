// Undo and redo of the map's changes, and its cells copied and pasted as spreadsheet text.
#include "app/commands/EditCommands.h"

#include "app/views/CarnoGridView.h"
#include "document/MapDocument.h"
#include "ui/ActionNames.h"
#include "ui/Actions.h"
#include "ui/WindowTexts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>

EditCommands::EditCommands(EditLinks links) : QObject(links.window), m_links(links) {
    WindowTexts::on(m_links.window)
        ->add(QStringLiteral("PasteDoesNotFit"),
              QStringLiteral("The pasted cells do not fit in the map."));
}

void EditCommands::AddTo(QMenu* mapMenu) {
    m_undo =
        addCommand(mapMenu, ActionName::UndoMapChange, "Undo", QKeySequence(Qt::CTRL | Qt::Key_Z),
                   "Undo the last change of the map", [this] { Undo(); });
    m_redo =
        addCommand(mapMenu, ActionName::RedoMapChange, "Redo", QKeySequence(Qt::CTRL | Qt::Key_Y),
                   "Redo the change undone last", [this] { Redo(); });
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    UpdateActions();
    addSeparator(mapMenu, ActionName::EditSeparator);
    addCommand(mapMenu, ActionName::CopyCells, "Copy", QKeySequence(Qt::CTRL | Qt::Key_C),
               "Copy the selected cells as text for a spreadsheet", [this] { Copy(); });
    addCommand(mapMenu, ActionName::PasteCells, "Paste", QKeySequence(Qt::CTRL | Qt::Key_V),
               "Paste cells copied from a spreadsheet at the current cell", [this] { Paste(); });
    addSeparator(mapMenu, ActionName::EditEndSeparator);
}

void EditCommands::UpdateActions() {
    m_undo->setEnabled(m_links.document->History().CanUndo());
    m_redo->setEnabled(m_links.document->History().CanRedo());
}

void EditCommands::Undo() {
    m_links.document->History().Undo();
}

void EditCommands::Redo() {
    m_links.document->History().Redo();
}

void EditCommands::Copy() {
    const QRect area = m_links.map->selectionRect();
    if (area.isNull())
        return;
    QApplication::clipboard()->setText(cellsAsText(m_links.document->Grid(), area));
}

void EditCommands::Paste() {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    const auto block = cellsFromText(text);
    if (!block) {
        m_links.document->Grid().Message("Invalid data in cell.", MsgKind::Error, MsgButtons::Ok);
        return;
    }
    PasteBlock(*block);
}

void EditCommands::PasteBlock(const CellBlock& block) {
    const QRect selection = m_links.map->selectionRect();
    if (selection.isNull())
        return;
    TCarnoGrid& grid = m_links.document->Grid();
    const bool single = block.size() == 1 && block[0].size() == 1;
    const QRect target = single ? selection
                                : QRect(selection.topLeft(),
                                        QSize(blockWidth(block), static_cast<int>(block.size())));
    if (target.right() > grid.DataCols() || target.bottom() > grid.DataRows()) {
        const QString text =
            WindowTexts::of(m_links.window)->text(QStringLiteral("PasteDoesNotFit"));
        grid.Message(text.toStdString(), MsgKind::Error, MsgButtons::Ok);
        return;
    }
    for (int row = target.top(); row <= target.bottom(); ++row) {
        const auto& values = block[single ? 0 : static_cast<std::size_t>(row - target.top())];
        for (int col = target.left(); col <= target.right(); ++col) {
            const auto k = single ? 0 : static_cast<std::size_t>(col - target.left());
            if (k < values.size())
                grid.SetCells(col, row, values[k]);
        }
    }
    m_links.document->History().Record();
}
