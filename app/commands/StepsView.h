// The Steps view: the steps that lead to the result on show, in plain words, each painting its
// cells on the map when selected; and the commands that open it and number the map's cells.
#pragma once

#include "app/commands/CommandLinks.h"
#include "engine/Steps.h"
#include "interchange/StepsText.h"

#include <QWidget>

#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class WindowTexts;

/// A window of its own beside the main window of its links (component "StepsView" of Form1, so
/// that the language files reach its texts). It lists the steps section by section; the current
/// line's cells are painted on the map, an essential term's own cells and a chart row's cell marked
/// apart. Its sentences are entries "Steps..." of the main window's text table.
class TStepsView : public QWidget {
    Q_OBJECT
public:
    explicit TStepsView(const MapLinks& links);

    /// Shows the view with the steps of the result on show, and brings it to the front.
    void ShowSteps();
    /// Computes the steps again when the map or the result changed since they were listed.
    void Refresh();
    /// Where the result on show comes from: the gluing, the exact search or a chosen solution.
    void SetSource(StepsSource source);

    /// The steps of the result on show; nothing without a result that belongs to the map.
    [[nodiscard]] std::optional<Steps> ShownSteps() const;
    /// The sentences in the current language.
    [[nodiscard]] StepsPhrases Phrases() const;
    /// The list: one line per section with a line per step under it.
    [[nodiscard]] QTreeWidget* List() const { return StepsList; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreatePhrases();
    void CreateLayout();
    void Rebuild();
    void FillList(const Steps& steps);
    void ShowNote(const QString& note);
    void PaintStep(QTreeWidgetItem* item);
    void MapChanged();
    [[nodiscard]] QString Phrase(const char* name) const;
    [[nodiscard]] QString MapSignature() const;
    [[nodiscard]] const TCarnoGrid& Grid() const { return *m_links.grid; }

    MapLinks m_links;
    WindowTexts* m_texts;
    StepsSource m_source = StepsSource::Gluing;
    QString m_listed;       ///< the map and result the list was made for
    bool m_pending = false; ///< a refresh is queued
    QLabel* StepsNote;
    QTreeWidget* StepsList;
    QPushButton* StepsRefresh;
    QPushButton* StepsClose;
};

/// The commands "Steps..." (Map menu and the result tree's popup) and "Show Minterm Numbers"
/// (Map menu). Owns the Steps view through the window of its links.
class StepsCommands : public QObject {
    Q_OBJECT
public:
    explicit StepsCommands(const MapLinks& links);

    void AddTo(QMenu* mapMenu, QMenu* resultPopup);

    void ShowSteps();
    void ShowMintermNumbers(bool on);

    [[nodiscard]] TStepsView* View() const { return m_view; }

private:
    CarnoGridView* m_map;
    TStepsView* m_view;
};
