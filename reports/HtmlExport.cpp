// HTML export: the map as a page, the map as a report fragment with one term coloured, and the
// truth table as a report fragment built from cell templates.
#include "engine/CarnoGrid.h"
#include "engine/FileMessages.h"
#include "input/TruthTableData.h"
#include "reports/Template.h"
#include "support/FileWriter.h"
#include "support/TextUtil.h"

#include <cstdio>

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kMapTable =
    R"(  <Table Border="1" bordercolor="#C0C0C0" cellspacing="0" cellpadding="2">)";
constexpr const char* kTruthTable =
    R"(<TABLE align="center" border="1" bordercolor="#C0C0C0" cellspacing="0" cellpadding="2" ><TR>)";

/// The variable names with a backslash between the row and the column variables:
/// "A B \ C D " for four variables.
std::string cornerText(const TCarnoGrid& grid) {
    const int n = grid.GetVariableCount();
    std::string corner;
    for (int i = 1; i <= n; ++i) {
        if (i == n / 2 + 1)
            corner += "\\ ";
        corner += escapeHtml(grid.VariableName(i)) + " ";
    }
    return corner;
}

/// The header row up to its closing "</TR>": the corner cell and the column labels.
std::string headerCells(const TCarnoGrid& grid) {
    std::string text = R"(  <TR><TD bgcolor="white">)" + cornerText(grid) + "</TD>";
    for (int c = 1; c <= grid.DataCols(); ++c)
        text += R"(<TD bgcolor="gray">)" + grid.ColLabel(c) + "</TD>";
    return text;
}

std::string rowLabelCell(const TCarnoGrid& grid, int row) {
    return R"(  <TR><TD bgcolor="gray"><center>)" + grid.RowLabel(row) + "</center></TD>";
}

/// Six upper-case hex digits RRGGBB of a colour held as 0x00BBGGRR.
std::string hexColor(std::uint32_t color) {
    char digits[7];
    std::snprintf(digits, sizeof digits, "%02X%02X%02X", color & 0xFFU, (color >> 8) & 0xFFU,
                  (color >> 16) & 0xFFU);
    return digits;
}

/// One data cell of the fragment: coloured when it belongs to the chosen term.
std::string fragmentCell(const TCarnoGrid& grid, int col, int row, int termNo) {
    const std::string& value = grid.Cells(col, row);
    const std::string text = value.empty() ? "&nbsp;" : escapeHtml(value);
    if (grid.IsCellOfTerm(termNo, col, row))
        return R"(<TD bgcolor="#)" + hexColor(grid.TermColor) + R"("><p align="center">)" + text +
               "</TD>";
    return R"(<TD bgcolor="white"><p align="center">)" + text + "</TD>";
}

} // namespace

bool TCarnoGrid::SaveToHTMLFile(const std::string& path) {
    std::string page = std::string("<HTML>") + kCrLf + "  <HEAD>" + kCrLf +
                       "  <TITLE>Karnaugh Map</TITLE>" + kCrLf +
                       R"(   <meta name="GENERATOR" content="Lorvane">)" + kCrLf + "  </HEAD>" +
                       kCrLf + "  <BODY>" + kCrLf + kMapTable + kCrLf;
    page += headerCells(*this) + "</TR>" + kCrLf;
    for (int r = 1; r <= DataRows(); ++r) {
        page += rowLabelCell(*this, r);
        for (int c = 1; c <= DataCols(); ++c)
            page += R"(<TD bgcolor="white">)" + escapeHtml(Cells(c, r)) + "</TD>";
        page += std::string("</TR>") + kCrLf;
    }
    page += std::string("  </Table>") + kCrLf + "  </BODY>" + kCrLf + "</HTML>" + kCrLf;
    return writeText(*this, path, page);
}

void TCarnoGrid::SaveToHTMLTemp(std::vector<std::string>& list, int termNo) const {
    // Every piece is followed by a line break; the pieces that end in one of their own leave
    // an empty line behind them.
    std::string text = std::string(kMapTable) + kCrLf;
    text += R"(  <TR><TD bgcolor="white">)" + cornerText(*this) + "</TD>" + kCrLf;
    for (int c = 1; c <= DataCols(); ++c)
        text += R"(<TD bgcolor="gray">)" + ColLabel(c) + "</TD>" + kCrLf;
    text += std::string("</TR>") + kCrLf + kCrLf;
    for (int r = 1; r <= DataRows(); ++r) {
        text += rowLabelCell(*this, r) + kCrLf;
        for (int c = 1; c <= DataCols(); ++c)
            text += fragmentCell(*this, c, r, termNo) + kCrLf;
        text += std::string("</TR>") + kCrLf + kCrLf;
    }
    text += std::string("  </Table>") + kCrLf + kCrLf;
    list = splitLines(text);
}

std::optional<std::string> TTruthTableData::SaveToHTMLTemplate(
    const std::vector<std::string>& headerCell, const std::vector<std::string>& variableCell,
    const std::vector<std::string>& functionCell, std::vector<std::string>& out) const {
    const std::string header = templateText(headerCell);
    const std::string variable = templateText(variableCell);
    const std::string function = templateText(functionCell);
    std::vector<std::string> items = {kTruthTable};
    auto add = [&items](const std::string& pattern, const std::string& argument) {
        std::string item;
        auto error = formatTemplate(pattern, escapeHtml(argument), item);
        items.push_back(std::move(item));
        return error;
    };
    const int v = VariableCount();
    for (int col = 1; col <= v + 1; ++col)
        if (auto error = add(header, ColumnNames[static_cast<std::size_t>(col)]))
            return error;
    items.emplace_back("</TR>");
    for (int row = 1; row < RowCount(); ++row) {
        items.emplace_back("<TR>");
        for (int col = 0; col < v; ++col)
            if (auto error = add(variable, Cell(col, row)))
                return error;
        if (auto error = add(function, Cell(v, row)))
            return error;
        items.emplace_back("</TR>");
    }
    items.emplace_back("</TABLE>");
    out = std::move(items);
    return std::nullopt;
}
