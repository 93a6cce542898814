// Printable pages: the map picture scaled onto A4, the result line and the steps, paginated.
#include "interchange/PrintPage.h"

#include "support/TextUtil.h"
#include "support/Utf8.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kMargin = 56;
constexpr int kContentWidth = kPageWidth - 2 * kMargin;
constexpr int kContentBottom = kPageHeight - kMargin;
constexpr double kMaxMapScale = 1.5;
// A map that would leave less room than this share of the page gives the text further pages.
constexpr double kMapShareWithText = 0.7;
constexpr double kSmallestFittingScale = 0.5;
constexpr int kGapAfterMap = 18;
constexpr int kResultFont = 16;
constexpr int kHeadingFont = 14;
constexpr int kItemFont = 12;
constexpr int kFooterFont = 10;
constexpr int kItemIndent = 14;
constexpr int kGapBeforeHeading = 10;
constexpr double kLineHeight = 1.4;
// Room under a line's baseline, in em.
constexpr double kDescent = 0.35;
// Average advance of a character in em of the sans-serif face, on the safe side for wrapping.
constexpr double kCharWidth = 0.6;

/// One line of text on a page.
struct TextLine {
    std::string text;
    int font = kItemFont;
    bool bold = false;
    int indent = 0;
    int gapBefore = 0;

    [[nodiscard]] double Height() const { return gapBefore + font * kLineHeight; }
};

/// Where a word longer than a line is cut within its first `limit` bytes: after a comma or a
/// "+" if it has one there, else after a "*", else at the limit.
std::size_t cutOf(const std::string& word, std::size_t limit) {
    for (const char* marks : {",+", "*"}) {
        const std::size_t cut = word.find_last_of(marks, limit - 1);
        if (cut != std::string::npos && cut > 0)
            return cut + 1;
    }
    return limit;
}

/// Splits a word longer than a line into pieces that fit.
std::vector<std::string> splitWord(std::string word, std::size_t width) {
    std::vector<std::string> parts;
    while (characterCount(word) > width) {
        const std::size_t at = cutOf(word, cutToCharacters(word, width).size());
        parts.push_back(word.substr(0, at));
        word.erase(0, at);
    }
    parts.push_back(word);
    return parts;
}

/// The text broken into lines of at most `width` characters, at spaces where it can.
std::vector<std::string> wrap(const std::string& text, std::size_t width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t from = 0;
    while (from <= text.size()) {
        std::size_t to = text.find(' ', from);
        if (to == std::string::npos)
            to = text.size();
        for (const std::string& word : splitWord(text.substr(from, to - from), width)) {
            if (!line.empty() && characterCount(line) + 1 + characterCount(word) > width) {
                lines.push_back(line);
                line.clear();
            }
            line += (line.empty() ? "" : " ") + word;
        }
        from = to + 1;
    }
    if (!line.empty() || lines.empty())
        lines.push_back(line);
    return lines;
}

void addWrapped(std::vector<TextLine>& lines, const TextLine& model) {
    const auto width =
        static_cast<std::size_t>((kContentWidth - model.indent) / (model.font * kCharWidth));
    bool first = true;
    for (std::string& text : wrap(model.text, std::max<std::size_t>(width, 8))) {
        TextLine line = model;
        line.text = std::move(text);
        if (!first)
            line.gapBefore = 0;
        first = false;
        lines.push_back(std::move(line));
    }
}

std::vector<TextLine> textLines(const TCarnoGrid& grid, const PrintRequest& request) {
    std::vector<TextLine> lines;
    if (!request.result.empty())
        addWrapped(lines, {"Y(" + join(grid.VariableNames(), ",") + ")=" + request.result,
                           kResultFont, true, 0, 0});
    if (!request.steps)
        return lines;
    const std::vector<StepItem> items = stepItems(*request.steps, request.phrases);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i == 0 || items[i - 1].section != items[i].section)
            addWrapped(lines, {sectionHeading(request.phrases, items[i].section), kHeadingFont,
                               true, 0, kGapBeforeHeading});
        addWrapped(lines, {items[i].text, kItemFont, false, kItemIndent, 0});
    }
    return lines;
}

double textHeight(const std::vector<TextLine>& lines) {
    double height = 0;
    for (const TextLine& line : lines)
        height += line.Height();
    return height;
}

/// How large the map is drawn: as large as fits the width, and small enough that the text
/// fits beside it on the page when it can.
double mapScale(const MapDrawing& map, double text) {
    const double room = kContentBottom - kMargin - kGapAfterMap;
    double scale =
        std::min({kMaxMapScale, static_cast<double>(kContentWidth) / map.width, room / map.height});
    const double fitting = (room - text) / map.height;
    if (fitting >= scale)
        return scale;
    if (fitting >= kSmallestFittingScale * scale)
        return fitting;
    return std::min(scale, room * kMapShareWithText / map.height);
}

std::string number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

std::string svgLine(const TextLine& line, double baseline) {
    return "<text x=\"" + std::to_string(kMargin + line.indent) + "\" y=\"" + number(baseline) +
           "\" font-size=\"" + std::to_string(line.font) + "\"" +
           (line.bold ? " font-weight=\"bold\"" : "") + ">" + escapeHtml(line.text) + "</text>\n";
}

std::string pageDocument(const std::string& body) {
    const std::string w = std::to_string(kPageWidth);
    const std::string h = std::to_string(kPageHeight);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"210mm\" "
           "height=\"297mm\" viewBox=\"0 0 " +
           w + " " + h +
           "\" font-family=\"DejaVu Sans, Helvetica, Arial, sans-serif\">\n"
           "<title>Karnaugh map</title>\n<rect x=\"0\" y=\"0\" width=\"" +
           w + "\" height=\"" + h + "\" fill=\"#fff\"/>\n" + body + "</svg>\n";
}

std::string footer(std::size_t page, std::size_t pages) {
    return "<text x=\"" + std::to_string(kPageWidth / 2) + "\" y=\"" +
           std::to_string(kPageHeight - kMargin / 2) + "\" font-size=\"" +
           std::to_string(kFooterFont) + "\" text-anchor=\"middle\" fill=\"#606060\">" +
           std::to_string(page) + " / " + std::to_string(pages) + "</text>\n";
}

} // namespace

std::vector<std::string> printPages(const TCarnoGrid& grid, const PrintRequest& request) {
    const MapDrawing map = mapDrawing(grid, request.picture);
    const std::vector<TextLine> lines = textLines(grid, request);
    const double scale = mapScale(map, textHeight(lines));
    const double left = kMargin + (kContentWidth - map.width * scale) / 2;
    std::vector<std::string> bodies(1);
    bodies[0] = "<g transform=\"translate(" + number(left) + " " + std::to_string(kMargin) +
                ") scale(" + number(scale) + ")\">\n" + map.elements + "</g>\n";
    double y = kMargin + map.height * scale + kGapAfterMap;
    for (const TextLine& line : lines) {
        if (y + line.Height() > kContentBottom) {
            bodies.emplace_back();
            y = kMargin;
        }
        const double gap = y == kMargin ? 0 : line.gapBefore;
        y += gap + line.font * kLineHeight;
        bodies.back() += svgLine(line, y - line.font * kDescent);
    }
    std::vector<std::string> pages;
    for (std::size_t i = 0; i < bodies.size(); ++i)
        pages.push_back(
            pageDocument(bodies[i] + (bodies.size() > 1 ? footer(i + 1, bodies.size()) : "")));
    return pages;
}
