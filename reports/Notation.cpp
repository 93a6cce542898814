// Printers of the analysed result: one table of operators per notation, one builder for all.
#include "reports/Notation.h"

#include <array>
#include <bit>

namespace {

/// How one notation writes literals, operators, constants and the whole line.
struct NotationStyle {
    std::string_view name;
    std::string_view notBefore;
    std::string_view notAfter;
    std::string_view andOp;
    std::string_view orOp;
    std::string_view one;
    std::string_view zero;
    std::string_view lineBefore;
    std::string_view lineAfter;
    /// Brackets around a product of several literals among several products (SOP).
    bool bracketProducts;
    /// Brackets around a sum of several literals among several sums (POS).
    bool bracketSums;
};

// In the order of the Notation enumeration.
constexpr std::array<NotationStyle, 5> kStyles = {{
    {"plain", "|", "", "*", "+", "1", "0", "", "", false, false},
    {"verilog", "~", "", " & ", " | ", "1'b1", "1'b0", "assign F = ", ";", true, true},
    {"vhdl", "not ", "", " and ", " or ", "'1'", "'0'", "F <= ", ";", true, true},
    {"latex", "\\overline{", "}", "", " + ", "1", "0", "", "", false, true},
    {"c", "!", "", " && ", " || ", "1", "0", "", "", true, true},
}};

// Juxtaposed names of several characters would read as one name.
constexpr std::string_view kLatexLongAnd = " \\cdot ";

const NotationStyle& styleOf(Notation notation) {
    return kStyles[static_cast<std::size_t>(notation)];
}

bool isSop(const TCarnoGrid& grid) {
    return grid.GlueMethod == gmDNF;
}

bool hasLongName(const TCarnoGrid& grid) {
    for (int i = 1; i <= grid.GetVariableCount(); ++i)
        if (grid.VariableName(i).size() > 1)
            return true;
    return false;
}

std::string_view andOperator(const TCarnoGrid& grid, Notation notation) {
    if (notation == Notation::Latex && hasLongName(grid))
        return kLatexLongAnd;
    return styleOf(notation).andOp;
}

std::string nameIn(const TCarnoGrid& grid, std::size_t variable, Notation notation) {
    const std::string& name = grid.VariableName(variable);
    return notation == Notation::Latex ? latexName(name) : name;
}

/// The literals of a cube: a product true on the cube (SOP) or a clause false on it (POS).
std::vector<std::string> literalsOf(const TCarnoGrid& grid, const Cube& cube, Notation notation) {
    const NotationStyle& style = styleOf(notation);
    const char unnegated = isSop(grid) ? '1' : '0';
    std::vector<std::string> literals;
    for (std::size_t i = 0; i < cube.size(); ++i) {
        if (cube[i] == '-')
            continue;
        const std::string name = nameIn(grid, i + 1, notation);
        literals.push_back(cube[i] == unnegated
                               ? name
                               : std::string(style.notBefore) + name + std::string(style.notAfter));
    }
    return literals;
}

std::string join(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            text += separator;
        text += parts[i];
    }
    return text;
}

std::string termExpression(const TCarnoGrid& grid, const Cube& cube, Notation notation,
                           bool amongOthers) {
    const std::vector<std::string> literals = literalsOf(grid, cube, notation);
    const std::string_view op = isSop(grid) ? andOperator(grid, notation) : styleOf(notation).orOp;
    const std::string text = join(literals, op);
    const bool bracket =
        isSop(grid) ? styleOf(notation).bracketProducts : styleOf(notation).bracketSums;
    if (amongOthers && literals.size() > 1 && bracket)
        return "(" + text + ")";
    return text;
}

bool spansWholeMap(const Cube& cube) {
    return cube.find_first_not_of('-') == std::string::npos;
}

std::string expressionOf(const TCarnoGrid& grid, const std::vector<Cube>& cubes,
                         Notation notation) {
    const NotationStyle& style = styleOf(notation);
    const bool sop = isSop(grid);
    if (cubes.empty())
        return std::string(sop ? style.zero : style.one);
    std::vector<std::string> terms;
    for (const Cube& cube : cubes) {
        if (spansWholeMap(cube))
            return std::string(sop ? style.one : style.zero);
        terms.push_back(termExpression(grid, cube, notation, cubes.size() > 1));
    }
    return join(terms, sop ? style.orOp : andOperator(grid, notation));
}

} // namespace

std::optional<Notation> notationNamed(std::string_view name) {
    for (std::size_t i = 0; i < kStyles.size(); ++i)
        if (kStyles[i].name == name)
            return static_cast<Notation>(i);
    return std::nullopt;
}

std::optional<Cube> termCube(const TCarnoGrid& grid, const TTermItem& term) {
    const int n = grid.GetVariableCount();
    unsigned common = (1U << n) - 1;
    unsigned any = 0;
    CellSet seen;
    for (const TCellItem& cell : term.cells) {
        if (cell.col < 1 || cell.col > grid.DataCols() || cell.row < 1 ||
            cell.row > grid.DataRows())
            return std::nullopt;
        const int index = CellSet::Index(cell.col, cell.row);
        if (seen.Contains(index))
            return std::nullopt;
        seen.Insert(index);
        const auto minterm = static_cast<unsigned>(grid.MintermOf(cell.col, cell.row));
        common &= minterm;
        any |= minterm;
    }
    // Distinct cells that agree on the fixed variables fill the cube exactly when there are
    // as many as the cube has points.
    const int freeCount = std::popcount(common ^ any);
    if (term.cells.empty() || term.cells.size() != std::size_t{1} << freeCount)
        return std::nullopt;
    Cube cube;
    for (int i = n - 1; i >= 0; --i) {
        const unsigned bit = 1U << i;
        cube += (common & bit) ? '1' : (any & bit) ? '-' : '0';
    }
    return cube;
}

std::optional<std::vector<Cube>> resultCubes(const TCarnoGrid& grid) {
    std::vector<Cube> cubes;
    std::vector<std::string> texts;
    for (const TTermItem& term : grid.ResultTerms()) {
        auto cube = termCube(grid, term);
        if (!cube)
            return std::nullopt;
        texts.push_back(termExpression(grid, *cube, Notation::Plain, false));
        cubes.push_back(std::move(*cube));
    }
    // The result line was written at the analysis; it reads otherwise when the variable count,
    // the names or the kind of result changed since.
    if (join(texts, styleOf(Notation::Plain).*
                        (isSop(grid) ? &NotationStyle::orOp : &NotationStyle::andOp)) !=
        grid.ResultText)
        return std::nullopt;
    return cubes;
}

std::optional<std::vector<Cube>> checkedResultCubes(const TCarnoGrid& grid) {
    auto cubes = resultCubes(grid);
    if (!cubes)
        grid.Message("The variables have changed since the last analysis; analyze again.",
                     MsgKind::Information, MsgButtons::Ok);
    return cubes;
}

std::optional<std::string> resultAs(const TCarnoGrid& grid, Notation notation) {
    const auto cubes = checkedResultCubes(grid);
    if (!cubes)
        return std::nullopt;
    return cubesAs(grid, *cubes, notation);
}

std::string cubesAs(const TCarnoGrid& grid, const std::vector<Cube>& cubes, Notation notation) {
    const NotationStyle& style = styleOf(notation);
    return std::string(style.lineBefore) + expressionOf(grid, cubes, notation) +
           std::string(style.lineAfter);
}

std::string termAs(const TCarnoGrid& grid, const Cube& cube, Notation notation) {
    if (spansWholeMap(cube))
        return std::string(isSop(grid) ? styleOf(notation).one : styleOf(notation).zero);
    return termExpression(grid, cube, notation, false);
}

std::string latexName(const std::string& name) {
    std::string escaped;
    for (char ch : name) {
        switch (ch) {
        case '\\':
            escaped += "\\backslash{}";
            break;
        case '~':
            escaped += "\\sim{}";
            break;
        case '^':
            escaped += "\\hat{}";
            break;
        case '{':
        case '}':
        case '_':
        case '#':
        case '$':
        case '%':
        case '&':
            escaped += '\\';
            escaped += ch;
            break;
        default:
            escaped += ch;
        }
    }
    return name.size() > 1 ? "\\mathit{" + escaped + "}" : escaped;
}
