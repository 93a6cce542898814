// The main window's editing comforts: undo and redo, copying and pasting cells, the title with
// the file name, the question about unsaved changes, the result line and the tab order.
#include "app/Main.h"

#include "app/CarnoGridView.h"
#include "app/MapClipboard.h"
#include "app/UpDown.h"
#include "document/MapDocument.h"
#include "document/Settings.h"
#include "ui/WindowTexts.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QString kProgramName = QStringLiteral("Lorvane");
const QString kTitleDash = QStringLiteral(" \u2013 ");

/// A text of the window's text table, in the current language.
std::string textOf(const QObject* window, const char* id) {
    return WindowTexts::of(window)->text(QString::fromLatin1(id)).toStdString();
}

} // namespace

void TForm1::UndoMapChange() {
    History().Undo();
}

void TForm1::RedoMapChange() {
    History().Redo();
}

void TForm1::RecordMapChange() {
    History().Record();
}

// An undone or redone step may change the count: the box, the hint and the pane follow.
void TForm1::RestoreControls() {
    UpDown1->setPosition(Grid().GetVariableCount());
    BuildMapHint();
}

bool TForm1::IsModified() const {
    return m_document.IsModified();
}

void TForm1::UpdateTitle() {
    QString title = kProgramName;
    if (const std::string& file = m_document.FileName(); !file.empty())
        title = QFileInfo(QFile::decodeName(file.c_str())).fileName() + kTitleDash + title;
    if (IsModified())
        title.prepend(QLatin1Char('*'));
    setWindowTitle(title);
}

void TForm1::CopyCells() {
    const QRect area = CarnoGrid1->selectionRect();
    if (area.isNull())
        return;
    QApplication::clipboard()->setText(cellsAsText(Grid(), area));
}

void TForm1::PasteCells() {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    const auto block = cellsFromText(text);
    if (!block) {
        Grid().Message("Invalid data in cell.", MsgKind::Error, MsgButtons::Ok);
        return;
    }
    PasteBlock(*block);
}

// One value fills the whole selection; a block goes to the selection's top-left cell and must
// fit in the map, or nothing is written.
void TForm1::PasteBlock(const CellBlock& block) {
    const QRect selection = CarnoGrid1->selectionRect();
    if (selection.isNull())
        return;
    const bool single = block.size() == 1 && block[0].size() == 1;
    const QRect target = single ? selection
                                : QRect(selection.topLeft(),
                                        QSize(blockWidth(block), static_cast<int>(block.size())));
    if (target.right() > Grid().DataCols() || target.bottom() > Grid().DataRows()) {
        Grid().Message(textOf(this, "PasteDoesNotFit"), MsgKind::Error, MsgButtons::Ok);
        return;
    }
    for (int row = target.top(); row <= target.bottom(); ++row) {
        const auto& values = block[single ? 0 : static_cast<std::size_t>(row - target.top())];
        for (int col = target.left(); col <= target.right(); ++col) {
            const auto k = single ? 0 : static_cast<std::size_t>(col - target.left());
            if (k < values.size())
                Grid().SetCells(col, row, values[k]);
        }
    }
    RecordMapChange();
}

bool TForm1::AskToSaveChanges() {
    if (!IsModified())
        return true;
    switch (m_context.messages->Show(textOf(this, "SaveChanges"), MsgKind::Warning,
                                     MsgButtons::SaveDiscardCancel)) {
    case MsgAnswer::Discard:
        return true;
    case MsgAnswer::Save:
        return SaveChanges();
    default:
        return false;
    }
}

bool TForm1::SaveChanges() {
    if (!m_document.FileIsMap() || m_document.FileName().empty()) {
        N5Click();
        return !IsModified();
    }
    const std::string file = m_document.FileName();
    return m_document.Save(file, MapFormat::Map, m_settings.bitSave);
}

// The whole result stays readable: the root line is shown in a field that can be scrolled,
// selected and copied.
void TForm1::ShowResultLine() {
    QTreeWidgetItem* root = TreeView->topLevelItem(0);
    Edit2->setText(root ? root->text(0) : QString());
    Edit2->setCursorPosition(0);
    CarnoGrid1->setResultShown(root != nullptr);
}

// Tab leaves the map for the count box, Report and the results, and comes back round.
void TForm1::SetTabOrder() {
    setTabOrder(CarnoGrid1, Edit1);
    setTabOrder(Edit1, ReportBtn);
    setTabOrder(ReportBtn, TreeView);
    setTabOrder(TreeView, Edit2);
}
