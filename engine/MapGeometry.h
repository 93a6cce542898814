// The layout of a map of 2..8 variables: its data cells and the minterm each one stands for.
#pragma once

#include "engine/MapTerms.h"
#include "engine/Ports.h"

/// A map of n variables has floor(n/2) row variables (the first ones) and ceil(n/2) column
/// variables, rows and columns labelled with the reflected Gray code. A data cell (column c,
/// row r, both from 1) stands for the minterm whose digits are its row label followed by its
/// column label, variable 1 most significant.
struct MapGeometry {
    explicit MapGeometry(int variableCount)
        : variables(variableCount), colVars(variableCount / 2 + variableCount % 2),
          rowVars(variableCount / 2) {}

    int variables;
    int colVars;
    int rowVars;

    [[nodiscard]] int DataCols() const { return 1 << colVars; }
    [[nodiscard]] int DataRows() const { return 1 << rowVars; }
    /// Minterm number of the data cell (col, row): the last digits of its row and column
    /// labels, so a cell beyond the map reads as its labels do.
    [[nodiscard]] int MintermOf(int col, int row) const {
        const int colGray = ((col - 1) ^ ((col - 1) >> 1)) & (DataCols() - 1);
        const int rowGray = ((row - 1) ^ ((row - 1) >> 1)) & (DataRows() - 1);
        return (rowGray << colVars) | colGray;
    }
    /// The minterms of the term's cells, as a set indexed by minterm number.
    [[nodiscard]] CellSet TermMinterms(const TTermItem& term) const {
        CellSet minterms;
        for (const TCellItem& cell : term.cells)
            minterms.Insert(MintermOf(cell.col, cell.row));
        return minterms;
    }
    /// Data cell of minterm `m` (0 .. 2^n - 1).
    [[nodiscard]] CellPos CellOf(int m) const {
        return {inverseGray(m & (DataCols() - 1)) + 1,
                inverseGray((m >> colVars) & (DataRows() - 1)) + 1};
    }

private:
    static int inverseGray(int g) {
        int value = 0;
        for (; g; g >>= 1)
            value ^= g;
        return value;
    }
};
