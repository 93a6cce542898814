// THelp: the help window, which shows the program's HTML help pages.
#pragma once

#include <QWidget>

class QTextBrowser;

/// A window of its own, not modal, that the Help command shows: one HTML viewer filling it.
class THelp : public QWidget {
    Q_OBJECT
public:
    /// `programFolder` ends with a separator; help pages are found below it.
    explicit THelp(const QString& programFolder, QWidget* parent = nullptr);

    /// Shows `page`, a path below the program folder such as "help\index.htm" (letter case
    /// and separator do not matter).
    void View(const QString& page);
    /// The file shown now.
    [[nodiscard]] QString CurrentPage() const;

private:
    QString m_programFolder;
    QTextBrowser* WebBrowser1;
};
