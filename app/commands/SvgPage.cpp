// A page of the core's SVG drawn with QPainter, its texts written as text.
#include "app/commands/SvgPage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTransform>
#include <QXmlStreamReader>

#include <vector>

namespace {

/// Text drawn at this pixel size and scaled to the size the page asks for, so that fractional
/// sizes keep their exact proportions.
constexpr int kTextPixels = 100;

/// What a text inherits from the groups around it.
struct TextStyle {
    QTransform transform;
    QString family;
    QString style;
    QString weight;
    QString fill;
    double size = 16;
};

struct PageText {
    TextStyle style;
    QPointF at;
    QString anchor;
    QString text;
};

/// "translate(a b) scale(s)" and the like, as the page's groups write them.
QTransform transformOf(const QString& attribute) {
    QTransform transform;
    static const QRegularExpression step(QStringLiteral(R"((translate|scale)\(([^)]*)\))"));
    for (auto it = step.globalMatch(attribute); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QStringList numbers = match.captured(2).split(
            QRegularExpression(QStringLiteral("[ ,]+")), Qt::SkipEmptyParts);
        const double a = numbers.value(0).toDouble();
        const double b = numbers.size() > 1 ? numbers.value(1).toDouble() : 0;
        if (match.captured(1) == QLatin1String("translate"))
            transform.translate(a, b);
        else
            transform.scale(a, numbers.size() > 1 ? b : a);
    }
    return transform;
}

/// The style of an element: its own attributes over what it inherits.
TextStyle styleOf(const QXmlStreamAttributes& attributes, TextStyle style) {
    const auto take = [&attributes](const char* name, QString& value) {
        if (attributes.hasAttribute(QLatin1String(name)))
            value = attributes.value(QLatin1String(name)).toString();
    };
    if (attributes.hasAttribute(QLatin1String("transform")))
        style.transform =
            transformOf(attributes.value(QLatin1String("transform")).toString()) * style.transform;
    take("font-family", style.family);
    take("font-style", style.style);
    take("font-weight", style.weight);
    take("fill", style.fill);
    if (attributes.hasAttribute(QLatin1String("font-size")))
        style.size = attributes.value(QLatin1String("font-size")).toDouble();
    return style;
}

std::vector<PageText> textsOf(const QByteArray& svg) {
    std::vector<PageText> texts;
    std::vector<TextStyle> styles{TextStyle{}};
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::EndElement && reader.name() != QLatin1String("text")) {
            if (styles.size() > 1)
                styles.pop_back();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.name() != QLatin1String("text")) {
            styles.push_back(styleOf(attributes, styles.back()));
            continue;
        }
        PageText text{styleOf(attributes, styles.back()),
                      {attributes.value(QLatin1String("x")).toDouble(),
                       attributes.value(QLatin1String("y")).toDouble()},
                      attributes.value(QLatin1String("text-anchor")).toString(),
                      {}};
        text.text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
        texts.push_back(std::move(text));
    }
    return texts;
}

QFont fontOf(const TextStyle& style) {
    QFont font;
    QStringList families;
    for (const QString& family : style.family.split(QLatin1Char(',')))
        families << family.trimmed();
    font.setFamilies(families);
    font.setPixelSize(kTextPixels);
    font.setItalic(style.style == QLatin1String("italic"));
    font.setBold(style.weight == QLatin1String("bold"));
    return font;
}

void drawText(QPainter& painter, const PageText& text) {
    painter.save();
    painter.setTransform(text.style.transform, true);
    const double scale = text.style.size / kTextPixels;
    painter.scale(scale, scale);
    painter.setFont(fontOf(text.style));
    painter.setPen(text.style.fill.isEmpty() ? QColor(Qt::black) : QColor(text.style.fill));
    const double width = painter.fontMetrics().horizontalAdvance(text.text);
    QPointF at = text.at / scale;
    if (text.anchor == QLatin1String("middle"))
        at.rx() -= width / 2;
    else if (text.anchor == QLatin1String("end"))
        at.rx() -= width;
    painter.drawText(at, text.text);
    painter.restore();
}

} // namespace

void drawSvgPage(QPainter& painter, const std::string& svg, const QRectF& area) {
    const QByteArray page = QByteArray::fromStdString(svg);
    // The texts are written one to an element without markup inside.
    static const QRegularExpression textElement(QStringLiteral("<text[^>]*>[^<]*</text>"));
    QSvgRenderer renderer(QString::fromUtf8(page).remove(textElement).toUtf8());
    const QRectF box = renderer.viewBoxF();
    const double scale = std::min(area.width() / box.width(), area.height() / box.height());
    const QRectF target(area.center() - QPointF(box.width(), box.height()) * scale / 2,
                        box.size() * scale);
    renderer.render(&painter, target);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.translate(-box.topLeft());
    for (const PageText& text : textsOf(page))
        drawText(painter, text);
    painter.restore();
}
