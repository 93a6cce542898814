// Every result term drawn on the on-screen map at once: outline geometry and painting.
#pragma once

#include "engine/CarnoGrid.h"

#include <QColor>
#include <QIcon>
#include <QRect>
#include <QRectF>

#include <functional>
#include <vector>

class QPainter;

/// One rectangle of a term drawn on the map, in the view's pixels. A group that wraps round
/// an edge of the map is drawn as open pieces: the open sides end at the map's edge, where
/// the group goes on at the opposite edge.
struct GroupOutline {
    int term = 0; ///< position of the term in ResultTerms, from 0
    QRectF rect;  ///< the rectangle inside the cells, before open sides are carried past the edge
    bool openLeft = false;
    bool openTop = false;
    bool openRight = false;
    bool openBottom = false;
    double radius = 0; ///< of the rounded corners
    QColor color;
};

/// Where data cell (col, row), counted from 1, lies in the view.
using CellRectOf = std::function<QRect(int col, int row)>;

/// The outlines of every term of the last result on the current map; none when the result no
/// longer belongs to the map (the variable count, names or kind changed since the analysis).
[[nodiscard]] std::vector<GroupOutline> groupOutlines(const TCarnoGrid& grid,
                                                      const CellRectOf& cellRect);

/// Paints the outlines translucently with rounded corners, clipped to `mapArea` (the data
/// cells), so that the open sides run out of the map.
void paintGroupOutlines(QPainter& painter, const std::vector<GroupOutline>& outlines,
                        const QRect& mapArea);

/// A small swatch of the outline colour of term `index` (from 0), for the legend that links
/// the outlines to the lines of the result tree.
[[nodiscard]] QIcon groupSwatch(std::size_t index);
