// An HTML viewer that reads local pages and images within a limit.
#include "ui/FileBrowser.h"

#include "support/FileReader.h"

#include <QFile>
#include <QTextDocument>

namespace {

// Help pages, reports and their pictures stay well below this.
constexpr std::size_t kPageLimit = std::size_t{16} << 20;

} // namespace

QVariant FileBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (!url.isLocalFile())
        return QTextBrowser::loadResource(type, name);
    std::string error;
    const auto bytes =
        readWholeFile(QFile::encodeName(url.toLocalFile()).toStdString(), kPageLimit, &error);
    if (bytes)
        return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
    if (type != QTextDocument::HtmlResource)
        return {};
    return QStringLiteral("<p>%1</p>").arg(QString::fromStdString(error).toHtmlEscaped());
}
