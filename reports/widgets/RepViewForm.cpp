// The "Report View" window: the report in an HTML viewer, "Save Report" and the web browser.
#include "reports/widgets/RepViewForm.h"

#include "engine/Ports.h"
#include "reports/ReportDisplay.h"
#include "support/FileWriter.h"
#include "ui/FileBrowser.h"
#include "ui/Icons.h"
#include "ui/UserDialogs.h"
#include "ui/WindowTexts.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char* const kSaveTitle = "Save Report to HTML document";
const char* const kSaveFilter = "HTML Documents|*.htm; *.html|All Files|*.*";

QToolButton* flatButton(const char* name, const char* caption, const char* hint,
                        const QIcon& icon) {
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromUtf8(caption));
    button->setToolTip(QString::fromUtf8(hint));
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

std::string localName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

TRepView::TRepView(const AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context),
      m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      m_texts(new WindowTexts(this)), WebBrowser1(new FileBrowser), StatusBar1(new QStatusBar) {
    setObjectName(QStringLiteral("RepView"));
    m_texts->add(QStringLiteral("NoBrowser"), QStringLiteral("No web browser could be started."));
    setWindowTitle(QStringLiteral("Report View"));
    setWindowIcon(programIcon());
    resize(640, 480);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Report"));
    WebBrowser1->setOpenLinks(true);
    WebBrowser1->setOpenExternalLinks(true);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    connect(WebBrowser1, qOverload<const QUrl&>(&QTextBrowser::highlighted), StatusBar1,
            [this](const QUrl& link) { StatusBar1->showMessage(link.toString()); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CreateButtonPanel());
    layout->addWidget(WebBrowser1, 1);
    layout->addWidget(StatusBar1);
    setWindowState(Qt::WindowMaximized);
}

QWidget* TRepView::CreateButtonPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    SpeedButton1 =
        flatButton("SpeedButton1", "Save Report", "Save Report", toolIcon(ToolGlyph::Save));
    SpeedButton2 = flatButton("SpeedButton2", "Open in Web Browser",
                              "Open the report in your web browser", toolIcon(ToolGlyph::Open));
    connect(SpeedButton1, &QToolButton::clicked, this, &TRepView::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TRepView::SpeedButton2Click);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(SpeedButton1);
    layout->addWidget(SpeedButton2);
    layout->addStretch(1);
    return panel;
}

void TRepView::View(const QString& path) {
    m_current = path;
    // The viewer gets the page repaired for it; the file stays as it was written. The same
    // file name holds a new report after every generation: it is read again each time.
    std::string error;
    const auto bytes = readWholeFile(localName(path), kTextFileLimit, &error);
    WebBrowser1->document()->setBaseUrl(QUrl::fromLocalFile(path));
    WebBrowser1->setHtml(
        bytes ? QString::fromStdString(reportForViewer(*bytes))
              : QStringLiteral("<p>%1</p>").arg(QString::fromStdString(error).toHtmlEscaped()));
    StatusBar1->showMessage(QDir::toNativeSeparators(path));
}

void TRepView::SpeedButton1Click() {
    if (m_current.isEmpty())
        return;
    const auto choice = m_context.dialogs->saveFile(
        this, QString::fromLatin1(kSaveTitle), QString::fromLatin1(kSaveFilter),
        QStringLiteral("htm"), QStringLiteral("Report%1").arg(SaveCounter));
    if (!choice || !mayReplace(*m_context.messages, choice->path))
        return;
    std::string error;
    const auto bytes = readWholeFile(localName(m_current), kTextFileLimit, &error);
    if (!bytes) {
        m_context.messages->Show(error, MsgKind::Error, MsgButtons::Ok);
        return;
    }
    if (const auto error = writeFileAtomically(localName(choice->path), *bytes)) {
        m_context.messages->Show(*error, MsgKind::Error, MsgButtons::Ok);
        return;
    }
    SaveCounter = static_cast<std::uint8_t>(SaveCounter + 1);
    StatusBar1->showMessage(QDir::toNativeSeparators(choice->path));
}

void TRepView::SpeedButton2Click() {
    if (m_current.isEmpty() || m_openUrl(QUrl::fromLocalFile(m_current)))
        return;
    m_context.messages->Show(m_texts->text(QStringLiteral("NoBrowser")).toStdString(),
                             MsgKind::Warning, MsgButtons::Ok);
}
