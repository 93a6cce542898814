// The painted label header of the grids and their font cap.
#include "ui/GridHeader.h"

#include <QPainter>

bool capGridFont(QWidget* grid) {
    QFont font = grid->font();
    if (font.pointSizeF() <= kGridMaxPointSize)
        return false;
    font.setPointSizeF(kGridMaxPointSize);
    grid->setFont(font);
    return true;
}

FixedHeader::FixedHeader(Qt::Orientation orientation, Background background, QWidget* parent)
    : QHeaderView(orientation, parent), m_background(std::move(background)) {
    setHighlightSections(false);
    setSectionsClickable(false);
    setDefaultAlignment(Qt::AlignCenter);
}

void FixedHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid())
        return;
    painter->save();
    painter->fillRect(rect, m_background(logicalIndex));
    painter->setPen(QColor(128, 128, 128));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->setPen(Qt::black);
    painter->setFont(font());
    const QString text =
        model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString()
                : QString();
    painter->drawText(rect.adjusted(0, 0, -1, -1), Qt::AlignCenter, text);
    painter->restore();
}
