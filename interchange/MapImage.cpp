// The map drawn as SVG and as TikZ: one layout of labels, groups and legend, two writers.
#include "interchange/MapImage.h"
#include "engine/FileMessages.h"
#include "interchange/Notation.h"
#include "interchange/Pla.h"
#include "support/FileWriter.h"
#include "support/TextUtil.h"
#include "support/Utf8.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

// Distinct colours that stay apart on paper and on screen; groups beyond them repeat them
// at another inset.
constexpr std::array<Rgb, 12> kPalette = {{{220, 20, 60},
                                           {31, 119, 180},
                                           {44, 160, 44},
                                           {255, 127, 14},
                                           {148, 103, 189},
                                           {140, 86, 75},
                                           {227, 119, 194},
                                           {128, 128, 0},
                                           {23, 190, 207},
                                           {0, 0, 128},
                                           {128, 0, 0},
                                           {0, 100, 0}}};

// Geometry in cell units, shared by both writers.
constexpr double kInset = 0.08;
constexpr double kInsetStep = 0.05;
constexpr double kRadius = 0.22;

// SVG sizes in pixels.
constexpr int kCell = 40;
constexpr int kMargin = 12;
constexpr int kLabelFont = 14;
constexpr int kValueFont = 18;
constexpr int kMintermFont = 10;
constexpr int kLegendFont = 14;
constexpr int kLegendLine = 24;
constexpr int kSwatch = 14;
constexpr double kCharWidth = 0.62;

struct Point {
    double x = 0;
    double y = 0;
};

/// One step of an outline: a move, a straight line, or a corner curve through `control`.
struct PathStep {
    enum Kind { Move, Line, Curve } kind = Line;
    Point control;
    Point to;
};

/// A group rectangle in cell units (x to the right, y downwards from the top-left data cell)
/// and the sides where it runs on across the map edge.
struct GroupRect {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    bool openLeft = false;
    bool openTop = false;
    bool openRight = false;
    bool openBottom = false;
};

/// A result term as it is drawn.
struct DrawnGroup {
    Cube cube;
    std::vector<GroupRect> rects;
    Rgb color;
};

std::string number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    std::string text = buffer;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

GroupRect rectOf(const GroupPiece& piece, int groupIndex) {
    const double inset = kInset + kInsetStep * (groupIndex % 4);
    GroupRect rect;
    rect.openLeft = piece.cols.openBefore;
    rect.openRight = piece.cols.openAfter;
    rect.openTop = piece.rows.openBefore;
    rect.openBottom = piece.rows.openAfter;
    // An open side ends exactly at the map edge, where the group goes on at the other edge.
    rect.x1 = piece.cols.first - 1 + (rect.openLeft ? 0 : inset);
    rect.x2 = piece.cols.last - (rect.openRight ? 0 : inset);
    rect.y1 = piece.rows.first - 1 + (rect.openTop ? 0 : inset);
    rect.y2 = piece.rows.last - (rect.openBottom ? 0 : inset);
    return rect;
}

std::vector<DrawnGroup> drawnGroups(const TCarnoGrid& grid, bool withGroups) {
    std::vector<DrawnGroup> groups;
    const auto cubes = withGroups ? resultCubes(grid) : std::nullopt;
    if (!cubes)
        return groups;
    const auto& terms = grid.ResultTerms();
    for (std::size_t i = 0; i < terms.size(); ++i) {
        DrawnGroup group{(*cubes)[i], {}, kPalette[i % kPalette.size()]};
        for (const GroupPiece& piece : groupPieces(grid, terms[i]))
            group.rects.push_back(rectOf(piece, static_cast<int>(i)));
        groups.push_back(std::move(group));
    }
    return groups;
}

/// The outline of a group rectangle, clockwise from the top-left. Corners between two closed
/// sides are rounded; for a stroke, open sides are skipped so the shape stays open there.
std::vector<PathStep> outline(const GroupRect& rect, bool forStroke) {
    const double radius = std::min({kRadius, (rect.x2 - rect.x1) / 2, (rect.y2 - rect.y1) / 2});
    const std::array<Point, 4> corners = {
        {{rect.x1, rect.y1}, {rect.x2, rect.y1}, {rect.x2, rect.y2}, {rect.x1, rect.y2}}};
    // Side k runs from corner k to corner k + 1: top, right, bottom, left.
    const std::array<bool, 4> open = {rect.openTop, rect.openRight, rect.openBottom, rect.openLeft};
    auto cornerRadius = [&](std::size_t k) { return open[k] || open[(k + 3) % 4] ? 0.0 : radius; };
    // The point at distance `d` from corner `k` along side `side`.
    auto along = [&](std::size_t k, std::size_t side, double d) {
        const Point from = corners[side];
        const Point to = corners[(side + 1) % 4];
        const double length = std::abs(to.x - from.x) + std::abs(to.y - from.y);
        const double t = length > 0 ? d / length : 0;
        const Point at = corners[k];
        const double sign = k == side ? 1 : -1;
        return Point{at.x + sign * t * (to.x - from.x), at.y + sign * t * (to.y - from.y)};
    };
    std::vector<PathStep> steps;
    steps.push_back({PathStep::Move, {}, along(0, 0, cornerRadius(0))});
    for (std::size_t side = 0; side < 4; ++side) {
        const std::size_t next = (side + 1) % 4;
        const PathStep::Kind kind = forStroke && open[side] ? PathStep::Move : PathStep::Line;
        steps.push_back({kind, {}, along(next, side, cornerRadius(next))});
        if (cornerRadius(next) > 0)
            steps.push_back(
                {PathStep::Curve, corners[next], along(next, next, cornerRadius(next))});
    }
    return steps;
}

std::string variableList(const TCarnoGrid& grid, int from, int to, bool latex) {
    bool single = true;
    for (int i = from; i <= to; ++i)
        single = single && characterCount(grid.VariableName(i)) == 1;
    std::string text;
    for (int i = from; i <= to; ++i) {
        if (i > from && !single)
            text += ",";
        const std::string& name = grid.VariableName(i);
        text += latex ? latexName(name) : name;
    }
    return text;
}

/// Legend columns that fit `available`, and the rows they need.
std::pair<int, int> legendShape(int count, double itemWidth, double available) {
    const int columns = std::clamp(static_cast<int>(available / itemWidth), 1, std::max(1, count));
    return {columns, (count + columns - 1) / columns};
}

std::size_t longestTerm(const TCarnoGrid& grid, const std::vector<DrawnGroup>& groups) {
    std::size_t longest = 0;
    for (const DrawnGroup& group : groups)
        longest = std::max(longest, characterCount(termAs(grid, group.cube, Notation::Plain)));
    return longest;
}

// --- SVG -------------------------------------------------------------------------------------

int textWidth(const std::string& text, int font) {
    return static_cast<int>(
        std::ceil(static_cast<double>(characterCount(text)) * font * kCharWidth));
}

std::string svgColor(const Rgb& c) {
    return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) +
           ")";
}

/// Pixel layout of the SVG drawing.
struct SvgLayout {
    int cols = 0;
    int rows = 0;
    int labelWidth = 0;
    int labelHeight = 0;
    int x0 = 0;
    int y0 = 0;
    int width = 0;
    int height = 0;
    int legendColumns = 1;
    int legendRows = 0;
    int legendItemWidth = 0;

    [[nodiscard]] int right() const { return x0 + cols * kCell; }
    [[nodiscard]] int bottom() const { return y0 + rows * kCell; }
    [[nodiscard]] Point pixel(Point p) const { return {x0 + p.x * kCell, y0 + p.y * kCell}; }
};

SvgLayout svgLayout(const TCarnoGrid& grid, const std::vector<DrawnGroup>& groups) {
    const int n = grid.GetVariableCount();
    const int split = grid.GetRowVarCount();
    SvgLayout layout;
    layout.cols = grid.DataCols();
    layout.rows = grid.DataRows();
    const int names = std::max(textWidth(variableList(grid, 1, split, false), kLabelFont),
                               textWidth(variableList(grid, split + 1, n, false), kLabelFont));
    // Both name texts must stay clear of the corner's diagonal: the column names end above
    // it, the row names start below it.
    layout.labelWidth = std::max(kCell + 16, static_cast<int>(std::ceil((names + 8) / 0.6)));
    layout.labelHeight = kCell + 12;
    layout.x0 = kMargin + layout.labelWidth;
    layout.y0 = kMargin + layout.labelHeight;
    layout.width = layout.right() + kMargin;
    layout.height = layout.bottom() + kMargin;
    if (groups.empty())
        return layout;
    layout.legendItemWidth =
        kSwatch + 8 + textWidth(std::string(longestTerm(grid, groups), 'M'), kLegendFont) + 20;
    const auto [columns, rows] = legendShape(static_cast<int>(groups.size()),
                                             layout.legendItemWidth, layout.width - 2 * kMargin);
    layout.legendColumns = columns;
    layout.legendRows = rows;
    layout.width = std::max(layout.width, 2 * kMargin + columns * layout.legendItemWidth);
    layout.height += 8 + rows * kLegendLine;
    return layout;
}

std::string svgText(double x, double y, const std::string& text, int font,
                    const std::string& anchor, const std::string& extra = "") {
    return "<text x=\"" + number(x) + "\" y=\"" + number(y) + "\" font-size=\"" +
           std::to_string(font) + "\" text-anchor=\"" + anchor + "\"" + extra + ">" +
           escapeXml(text) + "</text>\n";
}

std::string svgLine(double x1, double y1, double x2, double y2, const std::string& style) {
    return "<line x1=\"" + number(x1) + "\" y1=\"" + number(y1) + "\" x2=\"" + number(x2) +
           "\" y2=\"" + number(y2) + "\" " + style + "/>\n";
}

std::string svgRect(double x, double y, double w, double h, const std::string& style) {
    return "<rect x=\"" + number(x) + "\" y=\"" + number(y) + "\" width=\"" + number(w) +
           "\" height=\"" + number(h) + "\" " + style + "/>\n";
}

/// Vertical position of a text baseline that centres the text on `middle`.
double baseline(double middle, int font) {
    return middle + font * 0.35;
}

std::string svgCorner(const TCarnoGrid& grid, const SvgLayout& layout) {
    const int n = grid.GetVariableCount();
    const int split = grid.GetRowVarCount();
    std::string out = svgLine(kMargin, kMargin, layout.x0, layout.y0, "stroke=\"#808080\"");
    out += svgText(layout.x0 - 6, kMargin + kLabelFont + 2, variableList(grid, split + 1, n, false),
                   kLabelFont, "end", " font-style=\"italic\"");
    out += svgText(kMargin + 6, layout.y0 - 7, variableList(grid, 1, split, false), kLabelFont,
                   "start", " font-style=\"italic\"");
    return out;
}

std::string svgLabels(const TCarnoGrid& grid, const SvgLayout& layout) {
    std::string out;
    const std::string font = " font-family=\"DejaVu Sans Mono, Menlo, Consolas, monospace\"";
    // Four digits in a cell's width need a smaller size.
    const int colFont = grid.GetColVarCount() >= 4 ? kLabelFont - 2 : kLabelFont;
    for (int c = 1; c <= layout.cols; ++c)
        out +=
            svgText(layout.x0 + (c - 0.5) * kCell, baseline(layout.y0 - kCell / 2.0 + 4, colFont),
                    grid.ColLabel(c), colFont, "middle", font);
    for (int r = 1; r <= layout.rows; ++r)
        out += svgText(layout.x0 - layout.labelWidth / 2.0,
                       baseline(layout.y0 + (r - 0.5) * kCell, kLabelFont), grid.RowLabel(r),
                       kLabelFont, "middle", font);
    return out;
}

std::string svgGridLines(const SvgLayout& layout) {
    const std::string thin = "stroke=\"#a0a0a0\" stroke-width=\"1\"";
    // The middle of an axis of eight or more positions is the mirror line of its first
    // variable; drawing it heavier helps to see which cells are neighbours.
    const std::string heavy = "stroke=\"#404040\" stroke-width=\"2\"";
    std::string out;
    for (int c = 1; c < layout.cols; ++c) {
        const double x = layout.x0 + c * kCell;
        out += svgLine(x, kMargin, x, layout.bottom(),
                       layout.cols >= 8 && c == layout.cols / 2 ? heavy : thin);
    }
    for (int r = 1; r < layout.rows; ++r) {
        const double y = layout.y0 + r * kCell;
        out += svgLine(kMargin, y, layout.right(), y,
                       layout.rows >= 8 && r == layout.rows / 2 ? heavy : thin);
    }
    out += svgLine(kMargin, layout.y0, layout.right(), layout.y0, "stroke=\"#000\"");
    out += svgLine(layout.x0, kMargin, layout.x0, layout.bottom(), "stroke=\"#000\"");
    out += svgRect(kMargin, kMargin, layout.right() - kMargin, layout.bottom() - kMargin,
                   "fill=\"none\" stroke=\"#000\" stroke-width=\"1.5\"");
    return out;
}

std::string svgPath(const std::vector<PathStep>& steps, const SvgLayout& layout, bool close) {
    std::string d;
    for (const PathStep& step : steps) {
        const Point to = layout.pixel(step.to);
        if (step.kind == PathStep::Curve) {
            const Point c = layout.pixel(step.control);
            d += "Q" + number(c.x) + " " + number(c.y) + " ";
        } else {
            d += step.kind == PathStep::Move ? "M" : "L";
        }
        d += number(to.x) + " " + number(to.y) + " ";
    }
    return d + (close ? "Z" : "");
}

std::string svgGroups(const TCarnoGrid& grid, const std::vector<DrawnGroup>& groups,
                      const SvgLayout& layout) {
    std::string out;
    for (const DrawnGroup& group : groups) {
        const std::string color = svgColor(group.color);
        out += "<g>\n<title>" + escapeXml(termAs(grid, group.cube, Notation::Plain)) + "</title>\n";
        for (const GroupRect& rect : group.rects) {
            out += "<path d=\"" + svgPath(outline(rect, false), layout, true) + "\" fill=\"" +
                   color + "\" fill-opacity=\"0.14\" stroke=\"none\"/>\n";
            out += "<path d=\"" + svgPath(outline(rect, true), layout, false) +
                   "\" fill=\"none\" stroke=\"" + color +
                   "\" stroke-width=\"2.5\" stroke-opacity=\"0.9\" stroke-linecap=\"round\"/>\n";
        }
        out += "</g>\n";
    }
    return out;
}

std::string svgValues(const TCarnoGrid& grid, const SvgLayout& layout) {
    std::string out;
    for (int c = 1; c <= layout.cols; ++c)
        for (int r = 1; r <= layout.rows; ++r)
            if (const std::string& text = grid.Cells(c, r); !text.empty())
                out += svgText(layout.x0 + (c - 0.5) * kCell,
                               baseline(layout.y0 + (r - 0.5) * kCell, kValueFont), text,
                               kValueFont, "middle");
    return out;
}

std::string svgMinterms(const TCarnoGrid& grid, const SvgLayout& layout) {
    std::string out;
    for (int c = 1; c <= layout.cols; ++c)
        for (int r = 1; r <= layout.rows; ++r)
            out += svgText(layout.x0 + c * kCell - 3, layout.y0 + r * kCell - 4,
                           std::to_string(grid.MintermOf(c, r)), kMintermFont, "end",
                           " fill=\"#707070\"");
    return out;
}

std::string svgLegend(const TCarnoGrid& grid, const std::vector<DrawnGroup>& groups,
                      const SvgLayout& layout) {
    std::string out;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const int column = static_cast<int>(i) / layout.legendRows;
        const int row = static_cast<int>(i) % layout.legendRows;
        const int x = kMargin + column * layout.legendItemWidth;
        const double middle = layout.bottom() + 8 + (row + 0.5) * kLegendLine;
        const std::string color = svgColor(groups[i].color);
        out += svgRect(x, middle - kSwatch / 2.0, kSwatch, kSwatch,
                       "rx=\"3\" fill=\"" + color + "\" fill-opacity=\"0.3\" stroke=\"" + color +
                           "\" stroke-width=\"2\"");
        out += svgText(x + kSwatch + 8, baseline(middle, kLegendFont),
                       termAs(grid, groups[i].cube, Notation::Plain), kLegendFont, "start");
    }
    return out;
}

// --- TikZ ------------------------------------------------------------------------------------

// TikZ sizes in cell units: a name character at normal size, the height of the label row.
constexpr double kTikzCharWidth = 0.25;
constexpr double kTikzLabelHeight = 1.2;

std::string tikzPoint(Point p) {
    return "(" + number(p.x) + "," + number(p.y) + ")";
}

std::string tikzPath(const std::vector<PathStep>& steps, bool close) {
    std::string path;
    for (const PathStep& step : steps) {
        if (step.kind == PathStep::Line)
            path += " --";
        else if (step.kind == PathStep::Curve)
            path.append(" .. controls ").append(tikzPoint(step.control)).append(" ..");
        path.append(" ").append(tikzPoint(step.to));
    }
    return path + (close ? " -- cycle" : "");
}

std::string tikzColorName(std::size_t index) {
    return "lvgroup" + std::to_string(index + 1);
}

std::string tikzFrame(const TCarnoGrid& grid, double labelWidth) {
    const int n = grid.GetVariableCount();
    const int split = grid.GetRowVarCount();
    const std::string cols = std::to_string(grid.DataCols());
    const std::string rows = std::to_string(grid.DataRows());
    const std::string left = number(-labelWidth);
    const std::string top = number(-kTikzLabelHeight);
    std::string out;
    out += "  \\fill[gray!12] (" + left + "," + top + ") rectangle (" + cols + ",0);\n";
    out += "  \\fill[gray!12] (" + left + ",0) rectangle (0," + rows + ");\n";
    out += "  \\draw[gray!70, step=1] (0,0) grid (" + cols + "," + rows + ");\n";
    if (grid.DataCols() >= 8)
        out += "  \\draw[thick] (" + number(grid.DataCols() / 2.0) + ",0) -- ++(0," + rows + ");\n";
    if (grid.DataRows() >= 8)
        out += "  \\draw[thick] (0," + number(grid.DataRows() / 2.0) + ") -- ++(" + cols + ",0);\n";
    out += "  \\draw (" + left + ",0) -- (" + cols + ",0) (0," + top + ") -- (0," + rows + ");\n";
    out += "  \\draw[gray] (" + left + "," + top + ") -- (0,0);\n";
    out +=
        "  \\draw[semithick] (" + left + "," + top + ") rectangle (" + cols + "," + rows + ");\n";
    out += "  \\node[anchor=north east, inner sep=2pt] at (0," + top + ") {$" +
           variableList(grid, split + 1, n, true) + "$};\n";
    out += "  \\node[anchor=south west, inner sep=2pt] at (" + left + ",0) {$" +
           variableList(grid, 1, split, true) + "$};\n";
    return out;
}

std::string tikzLabels(const TCarnoGrid& grid, double labelWidth) {
    std::string out;
    for (int c = 1; c <= grid.DataCols(); ++c)
        out += "  \\node[font=\\footnotesize] at (" + number(c - 0.5) + ",-0.35) {" +
               grid.ColLabel(c) + "};\n";
    for (int r = 1; r <= grid.DataRows(); ++r)
        out += "  \\node[font=\\footnotesize] at (" + number(-labelWidth / 2) + "," +
               number(r - 0.5) + ") {" + grid.RowLabel(r) + "};\n";
    return out;
}

std::string tikzGroups(const std::vector<DrawnGroup>& groups) {
    std::string out;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const Rgb& c = groups[i].color;
        out += "  \\definecolor{" + tikzColorName(i) + "}{RGB}{" + std::to_string(c.r) + "," +
               std::to_string(c.g) + "," + std::to_string(c.b) + "}\n";
    }
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const std::string color = tikzColorName(i);
        for (const GroupRect& rect : groups[i].rects) {
            out.append("  \\fill[").append(color).append(", fill opacity=0.14]");
            out.append(tikzPath(outline(rect, false), true)).append(";\n");
            out.append("  \\draw[").append(color).append(", line width=1.2pt, line cap=round]");
            out.append(tikzPath(outline(rect, true), false)).append(";\n");
        }
    }
    return out;
}

std::string tikzValues(const TCarnoGrid& grid) {
    std::string out;
    for (int c = 1; c <= grid.DataCols(); ++c)
        for (int r = 1; r <= grid.DataRows(); ++r)
            if (const std::string& text = grid.Cells(c, r); !text.empty())
                out += "  \\node at (" + number(c - 0.5) + "," + number(r - 0.5) + ") {$" +
                       latexName(text) + "$};\n";
    return out;
}

std::string tikzLegend(const TCarnoGrid& grid, const std::vector<DrawnGroup>& groups,
                       double labelWidth) {
    const double itemWidth = 1.0 + kTikzCharWidth * static_cast<double>(longestTerm(grid, groups));
    const int rows =
        legendShape(static_cast<int>(groups.size()), itemWidth, labelWidth + grid.DataCols())
            .second;
    std::string out;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const double x = -labelWidth + static_cast<double>(static_cast<int>(i) / rows) * itemWidth;
        const double y = grid.DataRows() + 0.5 + 0.7 * (static_cast<int>(i) % rows);
        out += "  \\node[anchor=west] at (" + number(x) + "," + number(y) + ") {\\textcolor{" +
               tikzColorName(i) + "}{\\rule{0.8em}{0.8em}}~$" +
               termAs(grid, groups[i].cube, Notation::Latex) + "$};\n";
    }
    return out;
}

} // namespace

std::optional<MapImageFormat> mapImageFormatOf(const std::string& path) {
    const std::string extension = lowerAscii(std::filesystem::path(path).extension().string());
    if (extension == ".svg")
        return MapImageFormat::Svg;
    if (extension == ".tex")
        return MapImageFormat::Tikz;
    return std::nullopt;
}

std::vector<AxisRun> axisRuns(const std::vector<bool>& marked) {
    const int length = static_cast<int>(marked.size());
    std::vector<AxisRun> runs;
    for (int p = 1; p <= length; ++p) {
        if (!marked[static_cast<std::size_t>(p - 1)])
            continue;
        if (!runs.empty() && runs.back().last == p - 1)
            runs.back().last = p;
        else
            runs.push_back({p, p, false, false});
    }
    if (runs.size() >= 2 && runs.front().first == 1 && runs.back().last == length) {
        runs.front().openBefore = true;
        runs.back().openAfter = true;
    }
    return runs;
}

GroupColor groupColor(std::size_t index) {
    const Rgb& color = kPalette[index % kPalette.size()];
    return {color.r, color.g, color.b};
}

std::vector<GroupPiece> groupPieces(const TCarnoGrid& grid, const TTermItem& term) {
    std::vector<bool> cols(static_cast<std::size_t>(grid.DataCols()), false);
    std::vector<bool> rows(static_cast<std::size_t>(grid.DataRows()), false);
    for (const TCellItem& cell : term.cells) {
        if (cell.col < 1 || cell.col > grid.DataCols() || cell.row < 1 ||
            cell.row > grid.DataRows())
            continue;
        cols[static_cast<std::size_t>(cell.col - 1)] = true;
        rows[static_cast<std::size_t>(cell.row - 1)] = true;
    }
    std::vector<GroupPiece> pieces;
    for (const AxisRun& rowRun : axisRuns(rows))
        for (const AxisRun& colRun : axisRuns(cols))
            pieces.push_back({colRun, rowRun});
    return pieces;
}

MapDrawing mapDrawing(const TCarnoGrid& grid, const MapPictureOptions& options) {
    const std::vector<DrawnGroup> groups = drawnGroups(grid, options.groups);
    const SvgLayout layout = svgLayout(grid, groups);
    std::string out = svgRect(0, 0, layout.width, layout.height, "fill=\"#fff\"");
    out +=
        svgRect(kMargin, kMargin, layout.right() - kMargin, layout.labelHeight, "fill=\"#e8e8e8\"");
    out += svgRect(kMargin, layout.y0, layout.labelWidth, layout.rows * kCell, "fill=\"#e8e8e8\"");
    out += svgGridLines(layout);
    out += svgCorner(grid, layout);
    out += svgLabels(grid, layout);
    out += svgGroups(grid, groups, layout);
    out += svgValues(grid, layout);
    if (options.minterms)
        out += svgMinterms(grid, layout);
    out += svgLegend(grid, groups, layout);
    return {out, layout.width, layout.height};
}

std::string mapSvg(const TCarnoGrid& grid, const MapPictureOptions& options) {
    const MapDrawing drawing = mapDrawing(grid, options);
    const std::string width = std::to_string(drawing.width);
    const std::string height = std::to_string(drawing.height);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + width +
           "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height +
           "\" font-family=\"DejaVu Sans, Helvetica, Arial, sans-serif\">\n";
    out += "<title>Karnaugh map</title>\n";
    return out + drawing.elements + "</svg>\n";
}

std::string mapSvg(const TCarnoGrid& grid, bool withGroups) {
    return mapSvg(grid, MapPictureOptions{withGroups, false});
}

std::string mapTikz(const TCarnoGrid& grid, bool withGroups) {
    const std::vector<DrawnGroup> groups = drawnGroups(grid, withGroups);
    const int n = grid.GetVariableCount();
    const std::size_t longest =
        std::max(characterCount(variableList(grid, 1, grid.GetRowVarCount(), false)),
                 characterCount(variableList(grid, grid.GetRowVarCount() + 1, n, false)));
    // As in the SVG, the names must stay clear of the corner's diagonal.
    const double labelWidth =
        std::max(1.2, (kTikzCharWidth * static_cast<double>(longest) + 0.15) / 0.6);
    std::string out = "% Karnaugh map of " + std::to_string(n) +
                      " variables; needs \\usepackage{tikz}. Change x and y to scale it.\n";
    out += "\\begin{tikzpicture}[x=0.8cm, y=-0.8cm]\n";
    out += tikzFrame(grid, labelWidth);
    out += tikzLabels(grid, labelWidth);
    out += tikzGroups(groups);
    out += tikzValues(grid);
    if (!groups.empty())
        out += tikzLegend(grid, groups, labelWidth);
    return out + "\\end{tikzpicture}\n";
}

bool saveMapImage(const TCarnoGrid& grid, const std::string& path, bool withGroups) {
    const auto format = mapImageFormatOf(path);
    if (!format) {
        grid.Message("Unknown image type: the file name must end in .svg or .tex.", MsgKind::Error,
                     MsgButtons::Ok);
        return false;
    }
    const std::string text =
        *format == MapImageFormat::Svg ? mapSvg(grid, withGroups) : mapTikz(grid, withGroups);
    return writeText(grid, path, text);
}
