// A page of the core's SVG drawn with QPainter, its texts written as text rather than curves.
#pragma once

#include <QRectF>

#include <string>

class QPainter;

/// Draws `svg` (a page or map picture as interchange/ writes it) into `area`, as large as it
/// fits and centred. Its texts are drawn as text in the fonts the page names, so that a PDF or
/// a printer receives real, searchable text with its fonts; the rest is drawn by Qt's SVG
/// renderer. Understands the texts as they are written: x, y, text-anchor, font-size,
/// font-family, font-style, font-weight and fill, inside groups that translate and scale.
void drawSvgPage(QPainter& painter, const std::string& svg, const QRectF& area);
