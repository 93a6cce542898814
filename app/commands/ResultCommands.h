// The window's commands that show, copy and export the result and the map: all groups on the
// map, the minimum solutions, the result in other notations, the map as an image.
#pragma once

#include "app/commands/CommandLinks.h"
#include "interchange/Notation.h"

#include <QObject>

class QAction;
class QMenu;
class QTreeWidget;
class StepsCommands;
class TCarnoGrid;
class WindowTexts;

/// Gives every term line (level 1) of the result tree the term image.
void markTermLines(QTreeWidget* tree);

/// The commands added to the main window's menus: "Show All Groups" (Map menu and the map's
/// popup), "Minimum Solutions..." and "Copy Result As" (the result tree's popup), "Export Map
/// Image..." (File menu), and with them the steps (StepsCommands) and printing (PrintCommands).
/// Owned by the window of its links.
class ResultCommands : public QObject {
    Q_OBJECT
public:
    explicit ResultCommands(ResultLinks links);

    /// Adds the commands to the menus; the File menu gets its item before "Exit".
    void AddTo(QMenu* fileMenu, QMenu* mapMenu, QMenu* mapPopup, QMenu* resultPopup);

    /// Writes the status bar after Analyze: with the exact minimizer, whether the minimum was
    /// not proven; otherwise how many terms a minimum cover has when that is fewer.
    void AfterAnalyze(bool exact, bool proven);

    void ShowAllGroups(bool on);
    void MinimumSolutions();
    void ExportMapImage();
    void CopyResultAs(Notation notation);

private:
    void AddTreeItems(QMenu* resultPopup);
    /// With Show All Groups on, each term line shows its outline's colour; else the term image.
    void UpdateLegend();
    void WriteImage(const QString& path);
    [[nodiscard]] bool HasResult() const;
    [[nodiscard]] TCarnoGrid& Grid() const { return *m_links.map.grid; }

    ResultLinks m_links;
    WindowTexts* m_texts; // the main window's
    QAction* m_showAllGroups = nullptr;
    StepsCommands* m_steps = nullptr;
};

/// The map drawn as a PNG image at `scale` times the SVG's size, on white.
[[nodiscard]] QByteArray mapPng(const TCarnoGrid& grid, bool withGroups, double scale);
