// The minimum covers of the map in the window: the status-bar hint and the solutions dialog.
#pragma once

#include "engine/CarnoGrid.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

/// What the status bar says after the gluing analysis: when a minimum cover has fewer terms
/// than the result shown, how many; empty otherwise.
[[nodiscard]] QString minimumCoverHint(const TCarnoGrid& grid);

/// What the status bar says after the exact analysis: empty when the minimum was proven.
[[nodiscard]] QString exactResultHint(bool proven);

/// A small dialog listing the minimum solutions of the map as result texts; the user picks
/// one to show.
class TMinSolutions : public QDialog {
    Q_OBJECT
public:
    explicit TMinSolutions(QWidget* parent = nullptr);

    /// Fills the list (the first solution selected) and the summary line above it.
    void SetSolutions(const QStringList& texts, const QString& summary);
    /// The selected solution, from 0; -1 when none is selected.
    [[nodiscard]] int Chosen() const;

private:
    QLabel* Label1;
    QListWidget* ListBox1;
    QPushButton* ShowBtn;
    QPushButton* CloseBtn;
};

/// Lists the minimum covers of the map (under its GlueMethod, empty cells counting as
/// non-target) and replaces the result by the one the user shows. False when the map was
/// refused or the user closed the dialog without a choice; the result is unchanged then.
bool chooseMinimumSolution(QWidget* parent, TCarnoGrid& grid);
