// The main window's editing comforts: recording the map's changes, the title with the file
// name, the question about unsaved changes, the result line and the tab order.
#include "app/Main.h"

#include "app/UpDown.h"
#include "app/views/CarnoGridView.h"
#include "document/MapDocument.h"
#include "document/Settings.h"
#include "ui/WindowTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

const QString kProgramName = QStringLiteral("Lorvane");
const QString kTitleDash = QStringLiteral(" \u2013 ");

/// A text of the window's text table, in the current language.
std::string textOf(const QObject* window, const char* id) {
    return WindowTexts::of(window)->text(QString::fromLatin1(id)).toStdString();
}

} // namespace

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
    UpdateResultState();
}

// A result that no longer belongs to the map stays on show, greyed, with a note that screen
// readers read too; its outlines and its highlight go.
void TForm1::UpdateResultState() {
    const bool shown = TreeView->topLevelItemCount() > 0;
    const bool stale = shown && !m_document.ResultIsCurrent();
    const QBrush text = stale ? palette().brush(QPalette::Disabled, QPalette::Text) : QBrush();
    for (QTreeWidgetItemIterator it(TreeView); *it; ++it)
        (*it)->setForeground(0, text);
    QPalette line = Edit2->palette();
    line.setBrush(QPalette::Text,
                  palette().brush(stale ? QPalette::Disabled : QPalette::Active, QPalette::Text));
    Edit2->setPalette(line);
    m_resultNote->setVisible(stale);
    TreeView->setAccessibleDescription(stale ? m_resultNote->text() : QString());
    const bool becameStale = stale && !m_resultStale;
    m_resultStale = stale;
    CarnoGrid1->setResultShown(shown && !stale);
    if (!becameStale)
        return;
    CarnoGrid1->Repaint();       // drops the highlight of a term
    statusBar()->clearMessage(); // what it said was said of that result
}

// Tab leaves the map for the count box, Report and the results, and comes back round.
void TForm1::SetTabOrder() {
    setTabOrder(CarnoGrid1, Edit1);
    setTabOrder(Edit1, ReportBtn);
    setTabOrder(ReportBtn, TreeView);
    setTabOrder(TreeView, Edit2);
}
