// Painting a step's cells and the minterm numbers over the on-screen map.
#include "app/views/MapMarks.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kFillAlpha = 110;
constexpr int kMarkedAlpha = 200;
constexpr double kFrameWidth = 3.0;
constexpr double kNumberScale = 0.7;
constexpr double kSmallestNumberSize = 6.0;

} // namespace

void paintStepMarks(QPainter& painter, const StepMarks& marks, const VisibleCellRect& cellRect) {
    painter.save();
    QColor fill = marks.color;
    fill.setAlpha(kFillAlpha);
    for (const CellPos& cell : marks.cells)
        if (const QRect rect = cellRect(cell.col, cell.row); !rect.isEmpty())
            painter.fillRect(rect, fill);
    QColor frame = marks.color.darker(160);
    frame.setAlpha(kMarkedAlpha);
    painter.setPen(QPen(frame, kFrameWidth));
    painter.setBrush(QBrush(frame, Qt::BDiagPattern));
    const double inset = kFrameWidth / 2;
    for (const CellPos& cell : marks.marked)
        if (const QRect rect = cellRect(cell.col, cell.row); !rect.isEmpty())
            painter.drawRect(QRectF(rect).adjusted(inset, inset, -inset - 1, -inset - 1));
    painter.restore();
}

void paintMintermNumbers(QPainter& painter, const TCarnoGrid& grid,
                         const VisibleCellRect& cellRect) {
    painter.save();
    QFont font = painter.font();
    font.setPointSizeF(std::max(kSmallestNumberSize, font.pointSizeF() * kNumberScale));
    painter.setFont(font);
    painter.setPen(QColor(112, 112, 112));
    for (int col = 1; col <= grid.DataCols(); ++col)
        for (int row = 1; row <= grid.DataRows(); ++row)
            if (const QRect rect = cellRect(col, row); !rect.isEmpty())
                painter.drawText(rect.adjusted(0, 0, -2, -1), Qt::AlignRight | Qt::AlignBottom,
                                 QString::number(grid.MintermOf(col, row)));
    painter.restore();
}
