// Checks a result against the map it was made for.
#include "engine/ResultCheck.h"

#include <bit>

namespace {

std::string cellName(const TCarnoGrid& grid, int col, int row) {
    return "cell " + std::to_string(col) + "," + std::to_string(row) + " (minterm " +
           std::to_string(grid.MintermOf(col, row)) + ")";
}

/// Empty when the term's cells are all the minterms that agree on the variables its cells
/// agree on, and each is a target or don't-care cell of the map.
std::string termFault(const TCarnoGrid& grid, const TTermItem& term, const std::string& target) {
    if (term.cells.empty())
        return "a term without cells";
    const int n = grid.GetVariableCount();
    const int all = (1 << n) - 1;
    int ones = all;
    int zeros = all;
    CellSet minterms;
    for (const TCellItem& cell : term.cells) {
        if (cell.col < 1 || cell.col > grid.DataCols() || cell.row < 1 ||
            cell.row > grid.DataRows())
            return "a term cell lies outside the map";
        const std::string& text = grid.Cells(cell.col, cell.row);
        if (text != target && text != "*")
            return cellName(grid, cell.col, cell.row) + " holds \"" + text + "\" but is in a term";
        const int m = grid.MintermOf(cell.col, cell.row);
        ones &= m;
        zeros &= ~m & all;
        minterms.Insert(m);
    }
    const int fixed = ones | zeros;
    if (minterms.Count() != 1 << (n - std::popcount(static_cast<unsigned>(fixed))))
        return "a term's cells do not form a whole block of the map";
    return {};
}

} // namespace

std::string resultFault(const TCarnoGrid& grid, const std::vector<TTermItem>& terms) {
    const std::string target = targetText(grid.GlueMethod);
    CellSet covered;
    for (const TTermItem& term : terms) {
        if (std::string fault = termFault(grid, term, target); !fault.empty())
            return fault;
        covered |= term.set;
    }
    for (int c = 1; c <= grid.DataCols(); ++c)
        for (int r = 1; r <= grid.DataRows(); ++r)
            if (grid.Cells(c, r) == target && !covered.Contains(CellSet::Index(c, r)))
                return cellName(grid, c, r) + " holds the target \"" + target +
                       "\" but no term covers it";
    return {};
}
