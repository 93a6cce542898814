// What the Steps view and the minterm switch draw over the on-screen map: cells of a step and
// each cell's minterm number.
#pragma once

#include "engine/CarnoGrid.h"

#include <QColor>
#include <QRect>

#include <functional>
#include <vector>

class QPainter;

/// Where data cell (col, row), counted from 1, lies in the view; an empty rectangle for a cell
/// scrolled out of sight.
using VisibleCellRect = std::function<QRect(int col, int row)>;

/// The cells of one step: `cells` filled translucently in `color`, so that their values stay
/// readable, and `marked` among them framed and hatched as well, so that they stand out also
/// without colour.
struct StepMarks {
    std::vector<CellPos> cells;
    std::vector<CellPos> marked;
    QColor color;

    [[nodiscard]] bool Empty() const { return cells.empty() && marked.empty(); }
};

void paintStepMarks(QPainter& painter, const StepMarks& marks, const VisibleCellRect& cellRect);

/// Each cell's minterm number, small in its lower right corner.
void paintMintermNumbers(QPainter& painter, const TCarnoGrid& grid,
                         const VisibleCellRect& cellRect);
