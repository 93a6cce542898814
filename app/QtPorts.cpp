// Qt implementations of the message-box, progress-bar and result-tree ports.
#include "app/QtPorts.h"

#include "ui/Icons.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressBar>
#include <QTreeWidget>

namespace {

constexpr qint64 kProgressRefreshMs = 30;

QMessageBox::Icon iconOf(MsgKind kind) {
    switch (kind) {
    case MsgKind::Warning:
        return QMessageBox::Warning;
    case MsgKind::Error:
        return QMessageBox::Critical;
    case MsgKind::Information:
        break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons buttonsOf(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::SaveDiscardCancel:
        return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case MsgButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MsgAnswer answerOf(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Save:
        return MsgAnswer::Save;
    case QMessageBox::Discard:
        return MsgAnswer::Discard;
    default:
        return MsgAnswer::Cancel;
    }
}

QString titleForMessages() {
    const QWidget* active = QApplication::activeModalWidget();
    if (!active)
        active = QApplication::activeWindow();
    if (active && !active->windowTitle().isEmpty())
        return active->windowTitle();
    return QStringLiteral("Lorvane");
}

/// A result line not yet in the tree. Its text is its tooltip too, so that a line too long for
/// the tree can still be read whole.
QTreeWidgetItem* newResultLine(const std::string& caption) {
    const QString text = QString::fromStdString(caption);
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setToolTip(0, text);
    item->setIcon(0, resultImage(0));
    return item;
}

} // namespace

MsgAnswer QtMessageBox::Show(const std::string& text, MsgKind kind, MsgButtons buttons) {
    QMessageBox box(iconOf(kind), titleForMessages(), QString::fromStdString(text),
                    buttonsOf(buttons), QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    // Escape and the close box answer Cancel or No, never OK by accident.
    if (buttons == MsgButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    if (buttons == MsgButtons::SaveDiscardCancel) {
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    return answerOf(box.exec());
}

int QtProgressBar::Max() const {
    return m_bar->maximum();
}

void QtProgressBar::SetMax(int max) {
    m_bar->setMaximum(max);
}

int QtProgressBar::Position() const {
    return m_bar->value();
}

void QtProgressBar::SetPosition(int position) {
    if (position == m_bar->value())
        return;
    m_bar->setValue(position);
    if (m_sinceUpdate.isValid() && m_sinceUpdate.elapsed() < kProgressRefreshMs)
        return;
    m_sinceUpdate.start();
    m_bar->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int QtResultTree::Count() const {
    int count = 0;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        count += 1 + m_tree->topLevelItem(i)->childCount();
    return count;
}

void QtResultTree::Clear() {
    m_tree->clear();
}

void QtResultTree::InsertRoot(const std::string& caption) {
    m_tree->insertTopLevelItem(0, newResultLine(caption));
}

void QtResultTree::AddChild(const std::string& caption) {
    QTreeWidgetItem* root = m_tree->topLevelItem(0);
    if (!root)
        return;
    root->addChild(newResultLine(caption));
    root->setExpanded(true);
}

std::vector<std::string> resultTreeLines(const QTreeWidget* tree) {
    std::vector<std::string> lines;
    const QTreeWidgetItem* root = tree->topLevelItem(0);
    if (!root)
        return lines;
    lines.push_back(root->text(0).toStdString());
    for (int k = 0; k < root->childCount(); ++k)
        lines.push_back(root->child(k)->text(0).toStdString());
    return lines;
}

void selectResultTreeLine(QTreeWidget* tree, int k) {
    QTreeWidgetItem* root = tree->topLevelItem(0);
    if (root && k >= 1 && k <= root->childCount())
        tree->setCurrentItem(root->child(k - 1));
}
