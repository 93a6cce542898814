// The help window: one HTML viewer over the help pages below the program folder.
#include "app/HelpForm.h"

#include "ui/FileBrowser.h"
#include "ui/Icons.h"
#include "ui/ProgramFiles.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelp::THelp(const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), m_programFolder(programFolder), WebBrowser1(new FileBrowser) {
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(QStringLiteral("Help"));
    setWindowIcon(programIcon());
    resize(544, 375);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Help"));
    WebBrowser1->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser1);
    setWindowState(Qt::WindowMaximized);
}

void THelp::View(const QString& page) {
    const QUrl url = QUrl::fromLocalFile(programFile(m_programFolder, page));
    WebBrowser1->clearHistory();
    if (WebBrowser1->source() == url)
        WebBrowser1->reload();
    else
        WebBrowser1->setSource(url);
    WebBrowser1->verticalScrollBar()->setValue(0);
}

QString THelp::CurrentPage() const {
    return WebBrowser1->source().toLocalFile();
}
