// Print, print preview and PDF export of the map's printable pages.
#include "app/commands/PrintMap.h"

#include "app/commands/StepsView.h"
#include "app/commands/SvgPage.h"
#include "app/views/CarnoGridView.h"
#include "interchange/PrintPage.h"
#include "support/FileWriter.h"
#include "ui/ActionNames.h"
#include "ui/Actions.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

const char* const kPdfFilter = "PDF Document|*.pdf|All Files|*.*";
constexpr int kPdfResolution = 300;

/// A printer set up for the pages: A4, the paper's whole area (the pages keep their margins).
void preparePrinter(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("Karnaugh map"));
    printer.setCreator(QStringLiteral("Lorvane"));
}

} // namespace

void paintPages(QPainter& painter, QPagedPaintDevice& device,
                const std::vector<std::string>& pages) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, device.width(), device.height());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        drawSvgPage(painter, pages[i], area);
    }
}

QByteArray pdfOfPages(const std::vector<std::string>& pages) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(kPdfResolution);
        writer.setTitle(QStringLiteral("Karnaugh map"));
        writer.setCreator(QStringLiteral("Lorvane"));
        QPainter painter(&writer);
        paintPages(painter, writer, pages);
    }
    return bytes;
}

PrintCommands::PrintCommands(const MapLinks& links, const TStepsView& steps)
    : QObject(links.window), m_links(links), m_steps(steps) {}

void PrintCommands::AddTo(QMenu* fileMenu, QAction* before) {
    QAction* print =
        namedAction(fileMenu, ActionName::Print, "Print...", "Print the map and its result");
    print->setShortcut(Qt::CTRL | Qt::Key_P);
    connect(print, &QAction::triggered, this, &PrintCommands::Print);
    QAction* preview =
        namedAction(fileMenu, ActionName::PrintPreview, "Print Preview...", "See the printed page");
    connect(preview, &QAction::triggered, this, &PrintCommands::PrintPreview);
    QAction* pdf = namedAction(fileMenu, ActionName::ExportPdf, "Export PDF...",
                               "Write the printed page as a PDF file");
    connect(pdf, &QAction::triggered, this, &PrintCommands::ExportPdf);
    m_printSteps = namedAction(fileMenu, ActionName::PrintSteps, "Print Steps",
                               "Print the steps after the result");
    m_printSteps->setCheckable(true);
    fileMenu->insertSeparator(before)->setObjectName(
        QString::fromLatin1(ActionName::PrintSeparator));
    fileMenu->insertActions(before, {print, preview, pdf, m_printSteps});
    fileMenu->insertSeparator(before)->setObjectName(
        QString::fromLatin1(ActionName::PrintEndSeparator));
}

std::vector<std::string> PrintCommands::Pages() const {
    PrintRequest request;
    request.picture.groups = m_links.map->showAllGroups();
    request.picture.minterms = m_links.map->showMinterms();
    const std::optional<Steps> steps = m_steps.ShownSteps();
    // The result line goes with a result that belongs to the map, as the steps do.
    if (steps)
        request.result = steps->resultText;
    if (steps && m_printSteps && m_printSteps->isChecked())
        request.steps = &*steps;
    request.phrases = m_steps.Phrases();
    return printPages(*m_links.grid, request);
}

void PrintCommands::Print() {
    if (refuseStaleResult(m_links))
        return;
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    if (!m_links.dialogs->setUpPrinter(m_links.window, printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_links.grid->Message("The printer could not be started.", MsgKind::Error, MsgButtons::Ok);
        return;
    }
    paintPages(painter, printer, Pages());
}

void PrintCommands::PrintPreview() {
    if (refuseStaleResult(m_links))
        return;
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    QPrintPreviewDialog preview(&printer, m_links.window);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    const std::vector<std::string> pages = Pages();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&pages](QPrinter* target) {
        QPainter painter(target);
        paintPages(painter, *target, pages);
    });
    preview.exec();
}

void PrintCommands::ExportPdf() {
    if (refuseStaleResult(m_links))
        return;
    if (const auto path =
            chooseExportFile(*m_links.dialogs, *m_links.messages, m_links.window,
                             QStringLiteral("Export PDF"), kPdfFilter, QStringLiteral("pdf")))
        WritePdf(*path);
}

void PrintCommands::WritePdf(const QString& path) const {
    const QByteArray pdf = pdfOfPages(Pages());
    if (const auto error =
            writeFileAtomically(QFile::encodeName(path).toStdString(), pdf.toStdString()))
        m_links.grid->Message(*error, MsgKind::Error, MsgButtons::Ok);
}
