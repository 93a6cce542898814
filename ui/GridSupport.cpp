// The painted fixed header of the grids, the 10-point font cap and colour conversions.
#include "ui/GridSupport.h"

#include <QLineEdit>
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

LiveEditDelegate::LiveEditDelegate(QAbstractItemView* view)
    : QStyledItemDelegate(view), m_view(view) {}

QWidget* LiveEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const QPersistentModelIndex target(index);
        QAbstractItemModel* model = m_view->model();
        connect(line, &QLineEdit::textEdited, line, [model, target](const QString& text) {
            if (target.isValid())
                model->setData(target, text, Qt::EditRole);
        });
    }
    return editor;
}

QColor colorFromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

std::uint32_t bgrFromColor(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           (static_cast<std::uint32_t>(color.green()) << 8) |
           (static_cast<std::uint32_t>(color.blue()) << 16);
}
