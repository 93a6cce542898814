// Outlines of every result term on the on-screen map: pieces from the map image's geometry,
// laid out in the view's cells and painted as translucent rounded rectangles.
#include "app/views/GroupOutlines.h"

#include "interchange/MapImage.h"
#include "interchange/Notation.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace {

// Insets in parts of a cell: groups that share cells nest inside each other, as in the image.
constexpr double kInset = 0.08;
constexpr double kInsetStep = 0.05;
constexpr double kRadius = 0.22;
constexpr int kFillAlpha = 40;
constexpr int kLineAlpha = 210;
constexpr double kLineWidth = 2.0;
constexpr int kSwatchSize = 16;

QColor colorOfGroup(std::size_t index) {
    const GroupColor c = groupColor(index);
    return {c.r, c.g, c.b};
}

GroupOutline outlineOf(const GroupPiece& piece, int term, const CellRectOf& cellRect) {
    const QRect first = cellRect(piece.cols.first, piece.rows.first);
    const QRect last = cellRect(piece.cols.last, piece.rows.last);
    const double cell = std::min(first.width(), first.height());
    const double inset = cell * (kInset + kInsetStep * (term % 4));
    GroupOutline outline;
    outline.term = term;
    outline.openLeft = piece.cols.openBefore;
    outline.openRight = piece.cols.openAfter;
    outline.openTop = piece.rows.openBefore;
    outline.openBottom = piece.rows.openAfter;
    const QRectF area = QRectF(first.topLeft(), last.bottomRight() + QPoint(1, 1));
    outline.rect = area.adjusted(outline.openLeft ? 0 : inset, outline.openTop ? 0 : inset,
                                 outline.openRight ? 0 : -inset, outline.openBottom ? 0 : -inset);
    outline.radius = cell * kRadius;
    outline.color = colorOfGroup(static_cast<std::size_t>(term));
    return outline;
}

/// The rectangle to paint: open sides carried past the edge by more than the corner radius,
/// so that the clip at the map's edge cuts the outline open there.
QRectF paintedRect(const GroupOutline& outline, double overhang) {
    return outline.rect.adjusted(outline.openLeft ? -overhang : 0, outline.openTop ? -overhang : 0,
                                 outline.openRight ? overhang : 0,
                                 outline.openBottom ? overhang : 0);
}

} // namespace

std::vector<GroupOutline> groupOutlines(const TCarnoGrid& grid, const CellRectOf& cellRect) {
    std::vector<GroupOutline> outlines;
    if (!resultCubes(grid))
        return outlines;
    const std::vector<TTermItem>& terms = grid.ResultTerms();
    for (std::size_t k = 0; k < terms.size(); ++k)
        for (const GroupPiece& piece : groupPieces(grid, terms[k]))
            outlines.push_back(outlineOf(piece, static_cast<int>(k), cellRect));
    return outlines;
}

void paintGroupOutlines(QPainter& painter, const std::vector<GroupOutline>& outlines,
                        const QRect& mapArea) {
    painter.save();
    painter.setClipRect(mapArea);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const GroupOutline& outline : outlines) {
        const double radius = outline.radius;
        QColor fill = outline.color;
        fill.setAlpha(kFillAlpha);
        QColor line = outline.color;
        line.setAlpha(kLineAlpha);
        painter.setPen(QPen(line, kLineWidth));
        painter.setBrush(fill);
        painter.drawRoundedRect(paintedRect(outline, radius + kLineWidth * 2), radius, radius);
    }
    painter.restore();
}

QIcon groupSwatch(std::size_t index) {
    QPixmap pixmap(kSwatchSize, kSwatchSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor line = colorOfGroup(index);
    QColor fill = line;
    fill.setAlpha(kLineAlpha / 2);
    painter.setPen(QPen(line, kLineWidth));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(2, 2, kSwatchSize - 4, kSwatchSize - 4), 3, 3);
    painter.end();
    return QIcon(pixmap);
}
