// Pieces shared by the map grid and the truth table: the painted fixed header and the font cap.
#pragma once

#include <QAbstractItemView>
#include <QColor>
#include <QHeaderView>
#include <QStyledItemDelegate>

#include <cstdint>
#include <functional>

/// The largest point size a grid shows its font at; larger fonts are capped to it.
constexpr double kGridMaxPointSize = 10.0;

/// Sets the widget's font to at most kGridMaxPointSize points; returns whether it changed.
bool capGridFont(QWidget* grid);

/// A header drawn like the fixed row or column of a text grid: every section filled in a
/// background colour (chosen per section), framed by dark grid lines, with the model's header
/// text centred in black.
class FixedHeader : public QHeaderView {
    Q_OBJECT
public:
    using Background = std::function<QColor(int logicalIndex)>;

    FixedHeader(Qt::Orientation orientation, Background background, QWidget* parent);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    Background m_background;
};

/// A cell delegate whose editor writes every change into the model at once, as a text grid's
/// in-place editor does: commands that read the cells see the text being typed.
class LiveEditDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit LiveEditDelegate(QAbstractItemView* view);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

protected:
    QAbstractItemView* m_view;
};

/// Colour from the window system's encoding 0x00BBGGRR.
[[nodiscard]] QColor colorFromBgr(std::uint32_t bgr);
/// The window system's encoding 0x00BBGGRR of a colour.
[[nodiscard]] std::uint32_t bgrFromColor(const QColor& color);
