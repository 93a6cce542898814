// The Qt standard dialogs behind the dialog seam.
#include "ui/UserDialogs.h"

#include "engine/Ports.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QRegularExpression>

namespace {

/// The first extension of a Qt name filter ("Maps (*.lvn)" gives "lvn"); empty for "*.*".
QString firstSuffix(const QString& nameFilter) {
    static const QRegularExpression kSuffix(QStringLiteral("\\*\\.(\\w+)"));
    const auto match = kSuffix.match(nameFilter);
    return match.hasMatch() ? match.captured(1) : QString();
}

/// Sets the filters, runs the dialog and returns the chosen file with the selected filter.
std::optional<FileChoice> runFileDialog(QFileDialog& dialog, const QString& filter,
                                        const QString& defaultSuffix) {
    const QStringList filters = qtNameFilters(filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(defaultSuffix);
    // A name typed without extension gets the extension of the selected filter.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, defaultSuffix](const QString& selected) {
                         const QString suffix = firstSuffix(selected);
                         dialog.setDefaultSuffix(suffix.isEmpty() ? defaultSuffix : suffix);
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const int index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    return FileChoice{dialog.selectedFiles().first(), index < 0 ? 1 : index + 1};
}

} // namespace

void IUserDialogs::rememberFolderOf(const std::optional<FileChoice>& choice) {
    if (choice)
        m_startFolder = QFileInfo(choice->path).absolutePath();
}

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns = patterns.simplified();
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

std::optional<FileChoice> QtUserDialogs::openFile(QWidget* parent, const QString& title,
                                                  const QString& filter,
                                                  const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, startFolder());
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    auto choice = runFileDialog(dialog, filter, defaultSuffix);
    rememberFolderOf(choice);
    return choice;
}

std::optional<FileChoice> QtUserDialogs::saveFile(QWidget* parent, const QString& title,
                                                  const QString& filter,
                                                  const QString& defaultSuffix,
                                                  const QString& fileName) {
    QFileDialog dialog(parent, title, startFolder());
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The program asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(fileName);
    auto choice = runFileDialog(dialog, filter, defaultSuffix);
    rememberFolderOf(choice);
    return choice;
}

std::optional<QFont> QtUserDialogs::chooseFont(QWidget* parent, const QFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> QtUserDialogs::chooseColor(QWidget* parent, const QColor& initial) {
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

bool QtUserDialogs::setUpPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    return dialog.exec() == QDialog::Accepted;
}

std::optional<int> QtUserDialogs::chooseItem(QWidget* parent, const QString& title,
                                             const QString& label, const QStringList& items) {
    bool ok = false;
    const QString item = QInputDialog::getItem(parent, title, label, items, 0, false, &ok);
    const auto index = items.indexOf(item);
    if (!ok || index < 0)
        return std::nullopt;
    return static_cast<int>(index);
}

bool mayReplace(IMessageBox& messages, const QString& path) {
    return !QFileInfo::exists(path) ||
           messages.Show("This file already exist, replace ?", MsgKind::Warning,
                         MsgButtons::YesNo) == MsgAnswer::Yes;
}

std::optional<QString> chooseExportFile(IUserDialogs& dialogs, IMessageBox& messages,
                                        QWidget* parent, const QString& title, const char* filter,
                                        const QString& suffix) {
    const auto choice =
        dialogs.saveFile(parent, title, QString::fromLatin1(filter), suffix, QStringLiteral("Map"));
    if (!choice || !mayReplace(messages, choice->path))
        return std::nullopt;
    return choice->path;
}
