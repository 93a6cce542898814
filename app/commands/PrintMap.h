// Printing the map and writing it as a PDF file: the printable pages of the core, drawn through
// Qt's print support.
#pragma once

#include "app/commands/CommandLinks.h"

#include <QByteArray>
#include <QObject>

#include <string>
#include <vector>

class QAction;
class QMenu;
class QPagedPaintDevice;
class QPainter;
class TStepsView;

/// Draws SVG pages onto a paged device, one page each, as large as they fit and centred.
void paintPages(QPainter& painter, QPagedPaintDevice& device,
                const std::vector<std::string>& pages);

/// The pages as a PDF document of A4 pages.
[[nodiscard]] QByteArray pdfOfPages(const std::vector<std::string>& pages);

/// The commands "Print..." (Ctrl+P), "Print Preview...", "Export PDF..." and the switch "Print
/// Steps" of the File menu. The page shows the map with its labels and
/// values, the groups when Show All Groups is on, the minterm numbers when they are shown, the
/// result line, and with Print Steps the steps of the result.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    /// Prints the map of `links` with the steps that `steps` lists.
    PrintCommands(const MapLinks& links, const TStepsView& steps);

    /// Adds the commands to the File menu, before `before`.
    void AddTo(QMenu* fileMenu, QAction* before);

    void Print();
    void PrintPreview();
    void ExportPdf();

    /// The pages as they would be printed now.
    [[nodiscard]] std::vector<std::string> Pages() const;

private:
    void WritePdf(const QString& path) const;

    MapLinks m_links;
    const TStepsView& m_steps;
    QAction* m_printSteps = nullptr;
};
