// The minimum covers of the map in the window: the status-bar hint and the solutions dialog.
#pragma once

#include "engine/CarnoGrid.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class WindowTexts;
struct ExactResult;

/// Adds the status-bar hints below to the texts of the window that shows them.
void addCoverHintTexts(WindowTexts& texts);

/// What the status bar says after the gluing analysis: when a minimum cover has fewer terms
/// than the result shown, how many; empty otherwise.
[[nodiscard]] QString minimumCoverHint(const TCarnoGrid& grid, const WindowTexts& texts);

/// What the status bar says after the exact analysis: empty when the minimum was proven.
[[nodiscard]] QString exactResultHint(bool proven, const WindowTexts& texts);

/// For each cover (its term texts), which of its terms are missing from some other cover: the
/// terms in which the covers differ.
[[nodiscard]] std::vector<std::vector<bool>>
differingTerms(const std::vector<std::vector<std::string>>& covers);

/// A cover as rich text: terms joined by `separator`, each differing term underlined and bold,
/// and a line may break after every separator.
[[nodiscard]] QString markedCover(const std::vector<std::string>& terms,
                                  const std::vector<bool>& differs, const QString& separator);

/// A small dialog listing the minimum solutions of the map as result texts; the user picks
/// one to show. Each solution is shown whole, wrapped over lines, with the terms in which the
/// solutions differ marked.
class TMinSolutions : public QDialog {
    Q_OBJECT
public:
    explicit TMinSolutions(QWidget* parent = nullptr);

    /// Fills the list (the first solution selected) and the summary line above it. `marked`
    /// gives each solution as rich text with its differing terms marked; without it the plain
    /// texts are shown.
    void SetSolutions(const QStringList& texts, const ExactResult& result,
                      const QStringList& marked = {});
    /// The selected solution, from 0; -1 when none is selected.
    [[nodiscard]] int Chosen() const;

private:
    [[nodiscard]] QString Summary(const ExactResult& result) const;

    WindowTexts* m_texts;
    QLabel* m_summary;
    QLabel* m_marksNote; // what the marks mean
    QListWidget* m_list;
    QPushButton* ShowBtn;
    QPushButton* CloseBtn;
};

/// Lists the minimum covers of the map (under its GlueMethod, empty cells counting as
/// non-target) and replaces the result by the one the user shows. False when the map was
/// refused or the user closed the dialog without a choice; the result is unchanged then. The
/// dialog, over `parent`, speaks the language that `translate` gives it.
bool chooseMinimumSolution(QWidget* parent, TCarnoGrid& grid,
                           const std::function<void(QWidget* dialog)>& translate);
