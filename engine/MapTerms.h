// The records of an analysis on the map: cells of terms, terms and levels of equal-sized terms.
#pragma once

#include "engine/function/CellSet.h"
#include "engine/function/GlueMethod.h"

#include <cstdint>
#include <vector>

/// Value code of a cell inside a term, decided by the first character of its text.
enum TValueCode : std::uint8_t { vcOne = 0, vcZero = 1, vcDontCare = 2 };

/// Value code of the target cells.
[[nodiscard]] inline TValueCode targetCode(TGlueMethod method) {
    return method == gmDNF ? vcOne : vcZero;
}
/// Value code of a cell whose text starts with `first`: '1', '0', anything else a don't care.
[[nodiscard]] inline TValueCode valueCode(char first) {
    return first == '1' ? vcOne : first == '0' ? vcZero : vcDontCare;
}

/// One cell of a term: its position and the value code its text had when the term was made.
struct TCellItem {
    std::uint8_t col = 0;
    std::uint8_t row = 0;
    TValueCode code = vcOne;
};

/// One term: its cells in the order they were appended, and the same cells as a set.
struct TTermItem {
    std::vector<TCellItem> cells;
    CellSet set;
    bool taken = false;

    void Append(const TCellItem& cell) {
        cells.push_back(cell);
        set.Insert(CellSet::Index(cell.col, cell.row));
    }
    [[nodiscard]] int CellCount() const { return static_cast<int>(cells.size()); }
};

/// One level: every term of one size that the gluing found, in the order found.
struct TLevelItem {
    std::vector<TTermItem> terms;
    int size = 1;
};
