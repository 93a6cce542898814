// Painted pictures for the tool buttons, the result tree and the window.
#include "ui/Icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

using Painter = std::function<void(QPainter&)>;

/// An icon of `side` by `side` logical pixels, rendered for device pixel ratios 1 to 3.
QIcon paintedIcon(int side, const Painter& paint) {
    QIcon icon;
    for (int scale = 1; scale <= 3; ++scale) {
        QPixmap pixmap(side * scale, side * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

const QColor kInk(40, 40, 48);
const QColor kMapBlue(52, 101, 164);

void drawMapGrid(QPainter& p, const QRectF& r, int cells) {
    p.setPen(QPen(kMapBlue, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(r);
    const qreal w = r.width() / cells;
    const qreal h = r.height() / cells;
    for (int i = 1; i < cells; ++i) {
        p.drawLine(QPointF(r.left() + i * w, r.top()), QPointF(r.left() + i * w, r.bottom()));
        p.drawLine(QPointF(r.left(), r.top() + i * h), QPointF(r.right(), r.top() + i * h));
    }
}

void drawText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
              const QColor& color) {
    p.setFont(font);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

QFont glyphFont(const char* family, int pixels, bool bold, bool italic = false) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void paintOpen(QPainter& p) {
    p.setPen(QPen(QColor(140, 100, 20), 1.2));
    p.setBrush(QColor(240, 196, 90));
    QPainterPath back;
    back.moveTo(2, 5);
    back.lineTo(8, 5);
    back.lineTo(10, 7);
    back.lineTo(17, 7);
    back.lineTo(17, 16);
    back.lineTo(2, 16);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(252, 220, 130));
    p.drawPolygon(QPolygonF({QPointF(4, 10), QPointF(19, 10), QPointF(17, 16), QPointF(2, 16)}));
}

void paintSave(QPainter& p) {
    p.setPen(QPen(QColor(30, 50, 110), 1.2));
    p.setBrush(QColor(60, 90, 170));
    p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 3, 10, 6));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(6, 12, 8, 5.5));
}

void paintFormula(QPainter& p) {
    drawText(p, QRectF(0, 0, 20, 20), QStringLiteral("f(x)"), glyphFont("Serif", 11, true, true),
             kInk);
}

void paintSets(QPainter& p) {
    drawText(p, QRectF(0, 0, 20, 20), QStringLiteral("{ }"), glyphFont("Sans Serif", 13, true),
             kMapBlue);
    drawText(p, QRectF(0, 1, 20, 18), QStringLiteral("1"), glyphFont("Sans Serif", 8, true), kInk);
}

void paintTruthTable(QPainter& p) {
    const QRectF r(2.5, 2.5, 15, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 4));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(r.left() + 10, r.top() + 4, 5, 11));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 1));
    p.drawRect(r);
    for (qreal x : {r.left() + 5, r.left() + 10})
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    for (qreal y : {r.top() + 4, r.top() + 7.7, r.top() + 11.4})
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
}

void paintStar(QPainter& p) {
    drawText(p, QRectF(0, 2, 20, 20), QStringLiteral("*"), glyphFont("Sans Serif", 22, true), kInk);
}

void paintClear(QPainter& p) {
    drawMapGrid(p, QRectF(2.5, 2.5, 15, 15), 2);
    p.setPen(QPen(QColor(200, 40, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 5), QPointF(15, 15));
    p.drawLine(QPointF(15, 5), QPointF(5, 15));
}

void paintOptions(QPainter& p) {
    p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 5 + i * 5;
        p.drawLine(QPointF(3, y), QPointF(17, y));
    }
    p.setBrush(QColor(230, 230, 235));
    p.drawEllipse(QPointF(7, 5), 2.2, 2.2);
    p.drawEllipse(QPointF(13, 10), 2.2, 2.2);
    p.drawEllipse(QPointF(9, 15), 2.2, 2.2);
}

void paintResultRoot(QPainter& p) {
    drawMapGrid(p, QRectF(1.5, 1.5, 13, 13), 2);
}

void paintResultTerm(QPainter& p) {
    drawMapGrid(p, QRectF(1.5, 1.5, 13, 13), 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 139, 87));
    p.drawRect(QRectF(2.5, 2.5, 5.5, 11));
}

} // namespace

QIcon toolIcon(ToolGlyph glyph) {
    switch (glyph) {
    case ToolGlyph::Open:
        return paintedIcon(20, paintOpen);
    case ToolGlyph::Save:
        return paintedIcon(20, paintSave);
    case ToolGlyph::Formula:
        return paintedIcon(20, paintFormula);
    case ToolGlyph::Sets:
        return paintedIcon(20, paintSets);
    case ToolGlyph::TruthTable:
        return paintedIcon(20, paintTruthTable);
    case ToolGlyph::Star:
        return paintedIcon(20, paintStar);
    case ToolGlyph::Clear:
        return paintedIcon(20, paintClear);
    case ToolGlyph::Options:
        break;
    }
    return paintedIcon(20, paintOptions);
}

QIcon resultImage(int index) {
    static const QIcon kRoot = paintedIcon(16, paintResultRoot);
    static const QIcon kTerm = paintedIcon(16, paintResultTerm);
    return index == 1 ? kTerm : kRoot;
}

QIcon programIcon() {
    return paintedIcon(32, [](QPainter& p) {
        p.scale(2, 2);
        paintResultTerm(p);
    });
}
