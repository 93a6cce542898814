// An HTML viewer that reads local pages and images within a limit, as every reader does.
#pragma once

#include <QTextBrowser>

/// A text browser whose local files are read through the core's bounded reader: a page that
/// cannot be read (a folder, a device without end, a file too large) shows why instead.
class FileBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override;
};
