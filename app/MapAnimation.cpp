// A short looping animation for the about box: a Karnaugh map whose groups form one by one.
#include "app/MapAnimation.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {

constexpr int kSize = 4;
constexpr int kIntervalMs = 800;
// Cell values row by row in Gray-code order (rows AB, columns CD: 00, 01, 11, 10).
constexpr std::array<const char*, kSize> kRows = {"1001", "0110", "1110", "1001"};
constexpr std::array<const char*, kSize> kLabels = {"00", "01", "11", "10"};

/// A group as a rectangle of cells; `wrap` marks the four corners, which form one group
/// across both edges of the map.
struct Group {
    int col, row, cols, rows;
    bool wrap;
    QColor color;
    const char* text;
};

const std::array<Group, 3> kGroups = {{
    {0, 0, 1, 1, true, QColor(31, 111, 178), "|B*|D"},
    {1, 1, 2, 2, false, QColor(46, 139, 87), "B*D"},
    {0, 2, 2, 1, false, QColor(200, 90, 30), "A*B*|C"},
}};

// Steps: the bare map, one step per group, the whole formula, then a pause.
constexpr int kSteps = 1 + static_cast<int>(kGroups.size()) + 2;

void drawGroup(QPainter& p, const QRectF& cells, const Group& g, qreal cell) {
    QColor fill = g.color;
    fill.setAlphaF(0.28);
    p.setPen(QPen(g.color, 2.5));
    p.setBrush(fill);
    const qreal inset = cell * 0.12;
    if (!g.wrap) {
        const QRectF r(cells.left() + g.col * cell + inset, cells.top() + g.row * cell + inset,
                       g.cols * cell - 2 * inset, g.rows * cell - 2 * inset);
        p.drawRoundedRect(r, cell * 0.3, cell * 0.3);
        return;
    }
    // The corner group is drawn as four pieces that open towards the map's edges.
    p.save();
    p.setClipRect(cells);
    for (int corner = 0; corner < 4; ++corner) {
        const bool right = corner % 2 == 1;
        const bool bottom = corner >= 2;
        const qreal x = right ? cells.right() - cell + inset : cells.left() - cell * 0.5;
        const qreal y = bottom ? cells.bottom() - cell + inset : cells.top() - cell * 0.5;
        p.drawRoundedRect(QRectF(x, y, cell * 1.5 - inset, cell * 1.5 - inset), cell * 0.3,
                          cell * 0.3);
    }
    p.restore();
}

} // namespace

MapAnimation::MapAnimation(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MapAnimation"));
    setMinimumSize(300, 225);
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &MapAnimation::Advance);
}

int MapAnimation::StepCount() {
    return kSteps;
}

void MapAnimation::SetStep(int step) {
    m_step = ((step % kSteps) + kSteps) % kSteps;
    update();
}

void MapAnimation::Advance() {
    SetStep(m_step + 1);
}

void MapAnimation::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    SetStep(0);
    m_timer.start();
}

void MapAnimation::hideEvent(QHideEvent* event) {
    m_timer.stop();
    QWidget::hideEvent(event);
}

void MapAnimation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(250, 250, 246));

    const qreal formulaHeight = height() * 0.16;
    const qreal cell =
        std::min((width() - 20.0) / (kSize + 1), (height() - formulaHeight - 10.0) / (kSize + 1));
    const qreal left = (width() - cell * (kSize + 1)) / 2;
    const QRectF cells(left + cell, 5 + cell, cell * kSize, cell * kSize);

    QFont font = p.font();
    font.setPixelSize(static_cast<int>(cell * 0.36));
    p.setFont(font);
    p.setPen(QColor(60, 60, 60));
    p.fillRect(QRectF(cells.left(), cells.top() - cell, cells.width(), cell),
               QColor(192, 192, 192));
    p.fillRect(QRectF(cells.left() - cell, cells.top(), cell, cells.height()),
               QColor(192, 192, 192));
    QFont corner = font;
    corner.setPixelSize(static_cast<int>(cell * 0.26));
    p.setFont(corner);
    p.drawText(QRectF(cells.left() - cell, cells.top() - cell, cell, cell), Qt::AlignCenter,
               QStringLiteral("AB\\CD"));
    p.setFont(font);
    for (int i = 0; i < kSize; ++i) {
        const QString label = QString::fromLatin1(kLabels[static_cast<std::size_t>(i)]);
        p.drawText(QRectF(cells.left() + i * cell, cells.top() - cell, cell, cell), Qt::AlignCenter,
                   label);
        p.drawText(QRectF(cells.left() - cell, cells.top() + i * cell, cell, cell), Qt::AlignCenter,
                   label);
    }

    p.setPen(QPen(QColor(170, 170, 170), 1));
    for (int i = 0; i <= kSize; ++i) {
        p.drawLine(QPointF(cells.left() + i * cell, cells.top()),
                   QPointF(cells.left() + i * cell, cells.bottom()));
        p.drawLine(QPointF(cells.left(), cells.top() + i * cell),
                   QPointF(cells.right(), cells.top() + i * cell));
    }

    const int shown = std::min(m_step, static_cast<int>(kGroups.size()));
    for (int g = 0; g < shown; ++g)
        drawGroup(p, cells, kGroups[static_cast<std::size_t>(g)], cell);

    font.setBold(true);
    font.setPixelSize(static_cast<int>(cell * 0.45));
    p.setFont(font);
    for (int r = 0; r < kSize; ++r) {
        for (int c = 0; c < kSize; ++c) {
            const char value = kRows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            p.setPen(value == '1' ? QColor(30, 30, 30) : QColor(150, 150, 150));
            p.drawText(QRectF(cells.left() + c * cell, cells.top() + r * cell, cell, cell),
                       Qt::AlignCenter, QString(QChar::fromLatin1(value)));
        }
    }

    QString formula;
    for (int g = 0; g < shown; ++g)
        formula += (g ? QStringLiteral(" + ") : QString()) +
                   QString::fromLatin1(kGroups[static_cast<std::size_t>(g)].text);
    font.setPixelSize(static_cast<int>(formulaHeight * 0.55));
    p.setFont(font);
    p.setPen(m_step > static_cast<int>(kGroups.size()) ? QColor(20, 90, 40) : QColor(40, 40, 40));
    p.drawText(QRectF(0, height() - formulaHeight, width(), formulaHeight), Qt::AlignCenter,
               formula.isEmpty() ? QString() : QStringLiteral("Y = ") + formula);
}
