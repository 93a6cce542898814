// The result and map commands of the main window: all groups on the map, the minimum
// solutions, "Copy Result As" and "Export Map Image...".
#include "app/commands/ResultCommands.h"

#include "app/commands/MinimumSolutions.h"
#include "app/commands/PrintMap.h"
#include "app/commands/StepsView.h"
#include "app/views/CarnoGridView.h"
#include "interchange/MapImage.h"
#include "support/FileWriter.h"
#include "ui/ActionNames.h"
#include "ui/Actions.h"
#include "ui/Icons.h"
#include "ui/UserDialogs.h"
#include "ui/WindowTexts.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTreeWidget>

#include <array>

namespace {

const char* const kImageFilter =
    "SVG Image|*.svg|PNG Image|*.png|LaTeX TikZ Picture|*.tex|All Files|*.*";
// Print quality: 300 dots per inch for a drawing laid out at 96.
constexpr double kPrintScale = 300.0 / 96.0;

struct NotationItem {
    const char* name;
    const char* caption;
    Notation notation;
};

constexpr std::array<NotationItem, 5> kNotationItems = {
    {{ActionName::CopyResultAsPlain, "Plain", Notation::Plain},
     {ActionName::CopyResultAsVerilog, "Verilog", Notation::Verilog},
     {ActionName::CopyResultAsVhdl, "VHDL", Notation::Vhdl},
     {ActionName::CopyResultAsLatex, "LaTeX", Notation::Latex},
     {ActionName::CopyResultAsC, "C expression", Notation::C}}};

QAction* findAction(const QMenu* menu, const char* name) {
    for (QAction* action : menu->actions())
        if (action->objectName() == QLatin1String(name))
            return action;
    return nullptr;
}

} // namespace

void markTermLines(QTreeWidget* tree) {
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* root = tree->topLevelItem(i);
        for (int k = 0; k < root->childCount(); ++k)
            root->child(k)->setIcon(0, resultImage(1));
    }
}

QByteArray mapPng(const TCarnoGrid& grid, bool withGroups, double scale) {
    QSvgRenderer renderer(QByteArray::fromStdString(mapSvg(grid, withGroups)));
    const QSize size = renderer.defaultSize() * scale;
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(scale * 96 / 0.0254));
    image.setDotsPerMeterY(qRound(scale * 96 / 0.0254));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

ResultCommands::ResultCommands(ResultLinks links)
    : QObject(links.map.window), m_links(std::move(links)),
      m_texts(WindowTexts::on(m_links.map.window)) {
    addCoverHintTexts(*m_texts);
    // What the status bar says belongs to the result shown: it goes with it. The bar is the
    // receiver, so that the tree emptied while the window is destroyed reaches nothing gone.
    QStatusBar* bar = m_links.statusBar;
    connect(m_links.map.results->model(), &QAbstractItemModel::modelReset, bar,
            [bar] { bar->clearMessage(); });
}

void ResultCommands::AddTo(QMenu* fileMenu, QMenu* mapMenu, QMenu* mapPopup, QMenu* resultPopup) {
    QAction* exportImage = namedAction(fileMenu, ActionName::ExportMapImage, "Export Map Image...",
                                       "Export the map as a picture");
    connect(exportImage, &QAction::triggered, this, [this] { ExportMapImage(); });
    fileMenu->insertAction(findAction(fileMenu, "N19"), exportImage);

    m_showAllGroups = namedAction(mapMenu, ActionName::ShowAllGroups, "Show All Groups",
                                  "Draw every term of the result on the map");
    m_showAllGroups->setCheckable(true);
    connect(m_showAllGroups, &QAction::toggled, this, [this](bool on) { ShowAllGroups(on); });
    addSeparator(mapMenu, ActionName::GroupsSeparator);
    mapMenu->addAction(m_showAllGroups);
    mapPopup->addAction(m_showAllGroups);
    AddTreeItems(resultPopup);
    m_steps = new StepsCommands(m_links.map);
    m_steps->AddTo(mapMenu, resultPopup);
    auto* print = new PrintCommands(m_links.map, *m_steps->View());
    print->AddTo(fileMenu, findAction(fileMenu, "N19"));
}

void ResultCommands::AddTreeItems(QMenu* resultPopup) {
    addSeparator(resultPopup, ActionName::SolutionsSeparator);
    QAction* solutions =
        namedAction(resultPopup, ActionName::MinimumSolutions, "Minimum Solutions...");
    connect(solutions, &QAction::triggered, this, [this] { MinimumSolutions(); });
    resultPopup->addAction(solutions);
    QMenu* copyAs = resultPopup->addMenu(QStringLiteral("Copy Result As"));
    copyAs->setObjectName(QString::fromLatin1(ActionName::CopyResultAs));
    copyAs->menuAction()->setObjectName(QString::fromLatin1(ActionName::CopyResultAs));
    for (const NotationItem& item : kNotationItems) {
        QAction* action = namedAction(copyAs, item.name, item.caption);
        const Notation notation = item.notation;
        connect(action, &QAction::triggered, this, [this, notation] { CopyResultAs(notation); });
        copyAs->addAction(action);
    }
    // Both need a result to work on.
    connect(resultPopup, &QMenu::aboutToShow, this, [this, solutions, copyAs] {
        solutions->setEnabled(HasResult());
        copyAs->setEnabled(HasResult());
    });
}

bool ResultCommands::HasResult() const {
    return m_links.map.results->topLevelItemCount() > 0;
}

void ResultCommands::AfterAnalyze(bool exact, bool proven) {
    QString text;
    if (exact)
        text = exactResultHint(proven, *m_texts);
    else if (HasResult())
        text = minimumCoverHint(Grid(), *m_texts);
    m_links.statusBar->showMessage(text);
    m_steps->View()->SetSource(exact ? StepsSource::Exact : StepsSource::Gluing);
    UpdateLegend();
}

void ResultCommands::ShowAllGroups(bool on) {
    m_links.map.map->setShowAllGroups(on);
    UpdateLegend();
}

void ResultCommands::UpdateLegend() {
    QTreeWidget* tree = m_links.map.results;
    markTermLines(tree);
    const bool legend = m_showAllGroups->isChecked() && !m_links.map.map->groupOutlines().empty();
    QTreeWidgetItem* root = tree->topLevelItem(0);
    if (!legend || !root)
        return;
    for (int k = 0; k < root->childCount(); ++k)
        root->child(k)->setIcon(0, groupSwatch(static_cast<std::size_t>(k)));
}

void ResultCommands::MinimumSolutions() {
    if (refuseStaleResult(m_links.map))
        return;
    if (!chooseMinimumSolution(m_links.map.window, Grid(), m_links.translate))
        return;
    m_links.map.results->clear();
    Grid().ShowResultTree();
    Grid().Repaint();
    m_steps->View()->SetSource(StepsSource::Shown);
    UpdateLegend();
}

void ResultCommands::CopyResultAs(Notation notation) {
    if (!HasResult() || refuseStaleResult(m_links.map))
        return;
    if (const auto text = resultAs(Grid(), notation))
        QGuiApplication::clipboard()->setText(QString::fromStdString(*text));
}

void ResultCommands::ExportMapImage() {
    const MapLinks& map = m_links.map;
    if (refuseStaleResult(map))
        return;
    if (const auto path = chooseExportFile(*map.dialogs, *map.messages, map.window,
                                           QStringLiteral("Export Map Image"), kImageFilter,
                                           QStringLiteral("svg")))
        WriteImage(*path);
}

void ResultCommands::WriteImage(const QString& path) {
    const TCarnoGrid& grid = Grid();
    const bool withGroups = m_showAllGroups->isChecked();
    const std::string file = QFile::encodeName(path).toStdString();
    if (QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0) {
        if (!mapImageFormatOf(file)) {
            grid.Message("Unknown image type: the file name must end in .svg, .png or .tex.",
                         MsgKind::Error, MsgButtons::Ok);
            return;
        }
        saveMapImage(grid, file, withGroups);
        return;
    }
    if (const auto error =
            writeFileAtomically(file, mapPng(grid, withGroups, kPrintScale).toStdString()))
        grid.Message(*error, MsgKind::Error, MsgButtons::Ok);
}
