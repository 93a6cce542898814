// How the map grid and the truth table look alike: the painted label header and the font cap.
#pragma once

#include <QColor>
#include <QHeaderView>

#include <functional>

/// The largest point size a grid shows its font at; larger fonts are capped to it.
constexpr double kGridMaxPointSize = 10.0;

/// Sets the widget's font to at most kGridMaxPointSize points; returns whether it changed.
bool capGridFont(QWidget* grid);

/// A label row or column that looks like part of the grid rather than a button bar: every
/// section filled in a background colour (chosen per section), framed by dark grid lines,
/// with the model's header text centred in black.
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
