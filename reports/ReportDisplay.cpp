// Rewriting the report page for the program's own HTML viewer: the table structure repaired as
// browsers repair it, map cells on one line with a readable text colour.
#include "reports/ReportDisplay.h"

#include "support/TextUtil.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <vector>

namespace {

bool isBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isspace(c) != 0; });
}

/// One tag as it stands in the page: its lower-case name ("td", "/td") and its whole text.
struct Tag {
    std::string name;
    std::string text;
};

Tag readTag(std::string_view tagText) {
    std::size_t end = 1;
    while (end < tagText.size() && !std::isspace(static_cast<unsigned char>(tagText[end])) &&
           tagText[end] != '>' && !(tagText[end] == '/' && end > 1))
        ++end;
    return {lowerAscii(tagText.substr(1, end - 1)), std::string(tagText)};
}

/// The value of attribute `name` in a start tag, quoted or not.
std::optional<std::string> attribute(std::string_view tag, std::string_view name) {
    const std::string text = lowerAscii(tag);
    std::size_t at = 0;
    while ((at = text.find(name, at + 1)) != std::string::npos) {
        const std::size_t equals = at + name.size();
        if (!std::isspace(static_cast<unsigned char>(text[at - 1])) || equals >= text.size() ||
            text[equals] != '=')
            continue;
        std::size_t begin = equals + 1;
        if (begin >= tag.size())
            return std::string();
        const char quote = tag[begin] == '"' || tag[begin] == '\'' ? tag[begin] : '\0';
        if (quote)
            ++begin;
        std::size_t end = begin;
        while (end < tag.size() &&
               (quote ? tag[end] != quote
                      : !std::isspace(static_cast<unsigned char>(tag[end])) && tag[end] != '>'))
            ++end;
        return std::string(tag.substr(begin, end - begin));
    }
    return std::nullopt;
}

struct NamedColor {
    const char* name;
    unsigned rgb;
};

constexpr std::array<NamedColor, 16> kNamedColors = {{{"black", 0x000000},
                                                      {"silver", 0xC0C0C0},
                                                      {"gray", 0x808080},
                                                      {"grey", 0x808080},
                                                      {"white", 0xFFFFFF},
                                                      {"maroon", 0x800000},
                                                      {"red", 0xFF0000},
                                                      {"purple", 0x800080},
                                                      {"fuchsia", 0xFF00FF},
                                                      {"green", 0x008000},
                                                      {"lime", 0x00FF00},
                                                      {"olive", 0x808000},
                                                      {"yellow", 0xFFFF00},
                                                      {"navy", 0x000080},
                                                      {"blue", 0x0000FF},
                                                      {"teal", 0x008080}}};

std::optional<unsigned> hexColor(std::string_view digits) {
    if (digits.size() != 3 && digits.size() != 6)
        return std::nullopt;
    if (!std::all_of(digits.begin(), digits.end(),
                     [](unsigned char c) { return std::isxdigit(c) != 0; }))
        return std::nullopt;
    unsigned value = std::stoul(std::string(digits), nullptr, 16);
    if (digits.size() == 3)
        value =
            ((value & 0xF00U) * 0x1100U) | ((value & 0x0F0U) * 0x110U) | ((value & 0x00FU) * 0x11U);
    return value;
}

std::optional<unsigned> colorValue(std::string_view color) {
    if (!color.empty() && color.front() == '#')
        return hexColor(color.substr(1));
    const std::string name = lowerAscii(color);
    for (const NamedColor& named : kNamedColors)
        if (name == named.name)
            return named.rgb;
    return std::nullopt;
}

/// Relative luminance of an sRGB colour, from 0 (black) to 1 (white).
double luminance(unsigned rgb) {
    auto channel = [](unsigned value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel((rgb >> 16) & 0xFFU) + 0.7152 * channel((rgb >> 8) & 0xFFU) +
           0.0722 * channel(rgb & 0xFFU);
}

/// A cell start tag with a background colour, kept on one line and in a readable colour.
std::string displayCell(const std::string& tag) {
    const auto background = attribute(tag, "bgcolor");
    const std::size_t close = tag.rfind('>');
    if (!background || close == std::string::npos)
        return tag;
    std::string style = "white-space:nowrap;";
    if (const auto color = readableTextColor(*background))
        style += "color:" + *color + ";";
    return tag.substr(0, close) + " style=\"" + style + "\"" + tag.substr(close);
}

// Cells in the first row of a map of up to six variables (the label column and eight
// columns): a wider map leaves no room beside it.
constexpr int kSideBySideCells = 9;

/// An open table while the page is copied: where it starts in the output, what goes before
/// it when it ends, whether a row of its own is open and where that row starts, the cell open
/// in it, how many cells its first row has, and whether the open row holds a table too wide
/// for a neighbour.
struct OpenTable {
    std::size_t start;
    std::string before;
    std::optional<std::size_t> row;
    std::string cell; // "td" or "th" while a cell is open
    int firstRowCells = 0;
    bool firstRowDone = false;
    bool wideRow = false;
};

/// Copies the page piece by piece, repairing the table structure on the way.
class Repairer {
public:
    void text(std::string_view piece) {
        if (!m_tables.empty() && m_tables.back().cell.empty() && !isBlank(piece)) {
            foster(piece);
            return;
        }
        m_out += piece;
    }

    void tag(const Tag& tag) {
        const std::string& name = tag.name;
        if (name == "table")
            return startTable(tag.text);
        if (name == "tr")
            return startRow(tag.text);
        if (name == "td" || name == "th")
            return startCell(name, tag.text);
        if (name == "/td" || name == "/th")
            return endCell(tag.text);
        if (name == "/tr")
            return endRow(tag.text);
        if (name == "/table")
            return endTable(tag.text);
        // Comments, the document type and the parts of a table go where they stand.
        if (name.front() == '!' || name == "tbody" || name == "thead" || name == "tfoot" ||
            name == "/tbody" || name == "/thead" || name == "/tfoot")
            return append(tag.text);
        text(tag.text);
    }

    [[nodiscard]] std::string result() && {
        while (!m_tables.empty())
            popTable();
        return std::move(m_out);
    }

private:
    void append(std::string_view piece) { m_out += piece; }

    /// Content between the rows of a table shows before the table; it is put there when the
    /// table ends.
    void foster(std::string_view piece) { m_tables.back().before += piece; }

    void popTable() {
        const OpenTable& table = m_tables.back();
        if (!table.before.empty())
            m_out.insert(table.start, table.before);
        m_tables.pop_back();
    }

    void closeCell(std::string_view endTag = {}) {
        OpenTable& table = m_tables.back();
        if (table.cell.empty())
            return;
        m_out += endTag.empty() ? "</" + table.cell + ">" : std::string(endTag);
        table.cell.clear();
    }

    /// Ends the open row; a row that holds nothing is left out.
    void closeRow(std::string_view endTag = {}) {
        closeCell();
        OpenTable& table = m_tables.back();
        if (!table.row)
            return;
        table.firstRowDone = table.firstRowDone || table.firstRowCells > 0;
        table.wideRow = false;
        if (isBlank(std::string_view(m_out).substr(m_out.find('>', *table.row) + 1)))
            m_out.erase(*table.row);
        else
            m_out += endTag.empty() ? std::string("</tr>") : std::string(endTag);
        table.row.reset();
    }

    void startTable(const std::string& tag) {
        // A table inside a cell nests; one between rows ends the table around it.
        if (!m_tables.empty() && m_tables.back().cell.empty())
            endTable();
        m_tables.push_back({m_out.size(), {}, std::nullopt, {}});
        m_out += tag;
    }

    void startRow(const std::string& tag) {
        if (m_tables.empty())
            return append(tag);
        closeRow();
        m_tables.back().row = m_out.size();
        m_out += tag;
    }

    /// A cell after one that holds a wide map goes to a row of its own, below the map, as the
    /// page's style sheet has browsers wrap it.
    void startCell(const std::string& name, const std::string& tag) {
        if (m_tables.empty())
            return append(displayCell(tag));
        closeCell();
        if (m_tables.back().wideRow)
            closeRow();
        if (!m_tables.back().row)
            startRow("<tr>");
        OpenTable& table = m_tables.back();
        if (!table.firstRowDone)
            ++table.firstRowCells;
        m_out += displayCell(tag);
        table.cell = name;
    }

    void endCell(std::string_view endTag) {
        if (!m_tables.empty())
            closeCell(endTag);
    }

    void endRow(std::string_view endTag) {
        if (!m_tables.empty())
            closeRow(endTag);
    }

    void endTable(std::string_view endTag = {}) {
        if (m_tables.empty())
            return;
        closeRow();
        m_out += endTag.empty() ? std::string("</table>") : std::string(endTag);
        const bool wide = m_tables.back().firstRowCells > kSideBySideCells;
        popTable();
        if (wide && !m_tables.empty() && !m_tables.back().cell.empty())
            m_tables.back().wideRow = true;
    }

    std::string m_out;
    std::vector<OpenTable> m_tables;
};

/// Where the raw text of an element that holds no markup (a style sheet, a script) ends: at
/// its end tag, in any letter case.
std::size_t rawTextEnd(std::string_view html, std::size_t from, const std::string& name) {
    const std::string endTag = "</" + name;
    for (std::size_t at = html.find("</", from); at != std::string_view::npos;
         at = html.find("</", at + 2))
        if (lowerAscii(html.substr(at, endTag.size())) == endTag)
            return at;
    return html.size();
}

} // namespace

std::optional<std::string> readableTextColor(std::string_view background) {
    const auto rgb = colorValue(background);
    if (!rgb)
        return std::nullopt;
    // Contrast of black text: (L + 0.05) / 0.05; of white text: 1.05 / (L + 0.05).
    const double l = luminance(*rgb);
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? "#000000" : "#ffffff";
}

std::string reportForViewer(std::string_view html) {
    Repairer repairer;
    std::size_t at = 0;
    while (at < html.size()) {
        const std::size_t open = html.find('<', at);
        if (open == std::string_view::npos) {
            repairer.text(html.substr(at));
            break;
        }
        if (open > at)
            repairer.text(html.substr(at, open - at));
        if (html.substr(open, 4) == "<!--") {
            const std::size_t end = html.find("-->", open);
            at = end == std::string_view::npos ? html.size() : end + 3;
            repairer.tag({"!--", std::string(html.substr(open, at - open))});
            continue;
        }
        const std::size_t close = html.find('>', open);
        at = close == std::string_view::npos ? html.size() : close + 1;
        const Tag tag = readTag(html.substr(open, at - open));
        repairer.tag(tag);
        if (tag.name == "style" || tag.name == "script") {
            const std::size_t end = rawTextEnd(html, at, tag.name);
            repairer.text(html.substr(at, end - at));
            at = end;
        }
    }
    return std::move(repairer).result();
}
