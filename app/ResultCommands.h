// The window's commands that show, copy and export the result and the map: all groups on the
// map, the minimum solutions, the result in other notations, the map as an image.
#pragma once

#include "app/Application.h"
#include "reports/Notation.h"

#include <QObject>

class QAction;
class QMenu;
class QTreeWidget;
class TextTable;

/// Gives every term line (level 1) of the result tree the term image.
void markTermLines(QTreeWidget* tree);

/// The commands added to the main window's menus: "Show All Groups" (N40, Map menu and the
/// map's popup), "Minimum Solutions..." (N41) and "Copy Result As" (N43 with N44..N48, the
/// result tree's popup), "Export Map Image..." (N42, File menu). Owned by the main window.
class ResultCommands : public QObject {
    Q_OBJECT
public:
    ResultCommands(TForm1& form, const AppContext& context);

    /// Adds the commands to the menus; the File menu gets its item before "Exit".
    void AddTo(QMenu* fileMenu, QMenu* mapMenu, QMenu* mapPopup, QMenu* resultPopup);

    /// Writes the status bar after Analyze: with the exact minimizer, whether the minimum was
    /// not proven; otherwise how many terms a minimum cover has when that is fewer.
    void AfterAnalyze(bool exact, bool proven);

    void N40Click(bool on); ///< Show All Groups
    void N41Click();        ///< Minimum Solutions
    void N42Click();        ///< Export Map Image
    void CopyResultAs(Notation notation);

    [[nodiscard]] QAction* ShowAllGroupsAction() const { return N40; }

private:
    void AddTreeItems(QMenu* resultPopup);
    void ExportImage(const QString& path);
    [[nodiscard]] bool HasResult() const;

    TForm1& m_form;
    AppContext m_context;
    TextTable* m_texts; // the main window's
    QAction* N40 = nullptr;
};

/// The map drawn as a PNG image at `scale` times the SVG's size, on white.
[[nodiscard]] QByteArray mapPng(const TCarnoGrid& grid, bool withGroups, double scale);
