// The file, font, colour and list dialogs behind one interface, so that tests can answer them.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

class IMessageBox;
class QPrinter;
class QWidget;

/// A file chosen in an open or save dialog, with the filter that was selected (from 1).
struct FileChoice {
    QString path;
    int filterIndex = 1;
};

/// The window system's standard dialogs. Filters are written as "Name|*.a|Other|*.b; *.c",
/// pairs of a description and patterns separated by "|". The file dialogs open in the start
/// folder, which each confirmed choice moves to the chosen file's folder.
class IUserDialogs {
public:
    virtual ~IUserDialogs() = default;
    /// The folder the next file dialog opens in; empty for the window system's choice.
    [[nodiscard]] const QString& startFolder() const { return m_startFolder; }
    void setStartFolder(const QString& folder) { m_startFolder = folder; }
    virtual std::optional<FileChoice> openFile(QWidget* parent, const QString& title,
                                               const QString& filter,
                                               const QString& defaultSuffix) = 0;
    virtual std::optional<FileChoice> saveFile(QWidget* parent, const QString& title,
                                               const QString& filter, const QString& defaultSuffix,
                                               const QString& fileName) = 0;
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    /// One of `items` chosen from a list: its index, or nothing when the dialog was cancelled.
    virtual std::optional<int> chooseItem(QWidget* parent, const QString& title,
                                          const QString& label, const QStringList& items) = 0;
    /// Lets the user choose the printer and its settings; false when printing was cancelled.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;

protected:
    /// Makes the folder of a chosen file the start folder.
    void rememberFolderOf(const std::optional<FileChoice>& choice);

private:
    QString m_startFolder;
};

/// QFileDialog, QFontDialog, QColorDialog and QPrintDialog.
class QtUserDialogs : public IUserDialogs {
public:
    std::optional<FileChoice> openFile(QWidget* parent, const QString& title, const QString& filter,
                                       const QString& defaultSuffix) override;
    std::optional<FileChoice> saveFile(QWidget* parent, const QString& title, const QString& filter,
                                       const QString& defaultSuffix,
                                       const QString& fileName) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    std::optional<int> chooseItem(QWidget* parent, const QString& title, const QString& label,
                                  const QStringList& items) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
};

/// The Qt name filters of a filter written as "Name|*.a|Other|*.b; *.c".
[[nodiscard]] QStringList qtNameFilters(const QString& filter);

/// Whether a file chosen to be written may be: it does not exist yet, or the user answers Yes
/// to "This file already exist, replace ?".
[[nodiscard]] bool mayReplace(IMessageBox& messages, const QString& path);

/// The file an export goes to, chosen in the save dialog over `parent` ("Map" proposed) and,
/// when it exists, confirmed by "This file already exist, replace ?"; nothing when cancelled or
/// declined.
[[nodiscard]] std::optional<QString> chooseExportFile(IUserDialogs& dialogs, IMessageBox& messages,
                                                      QWidget* parent, const QString& title,
                                                      const char* filter, const QString& suffix);
