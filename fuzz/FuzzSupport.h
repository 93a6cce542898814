// Shared pieces of the fuzz targets: a silent message port and checks that end the run.
#pragma once

#include "engine/CarnoGrid.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

/// Answers every message without showing it, alternating OK and Cancel, and counts them.
class SilentMessages : public IMessageBox {
public:
    MsgAnswer Show(const std::string&, MsgKind, MsgButtons buttons) override {
        ++shown;
        if (buttons == MsgButtons::YesNo)
            return MsgAnswer::Yes;
        return shown % 2 ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
    int shown = 0;
};

/// A result tree that keeps only its line count.
class CountingTree : public IResultTree {
public:
    [[nodiscard]] int Count() const override { return lines; }
    void Clear() override { lines = 0; }
    void InsertRoot(const std::string&) override { ++lines; }
    void AddChild(const std::string&) override { ++lines; }
    int lines = 0;
};

/// Stops the run with a message when a property of the code under test does not hold.
inline void Require(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "property violated: %s\n", what);
    std::abort();
}

/// Every text of the 32 x 32 cell store, column by column.
using StoreTexts = std::array<std::string, TCarnoGrid::kStoreSize * TCarnoGrid::kStoreSize>;

/// Copies the store into `texts`; reusing one array keeps the strings' memory between runs.
inline void TakeSnapshot(const TCarnoGrid& grid, StoreTexts& texts) {
    std::size_t i = 0;
    for (int c = 1; c <= TCarnoGrid::kStoreSize; ++c)
        for (int r = 1; r <= TCarnoGrid::kStoreSize; ++r)
            texts[i++] = grid.Cells(c, r);
}

/// True when the store cell (col, row) lies on the map of the current size.
inline bool OnMap(const TCarnoGrid& grid, int col, int row) {
    return col <= grid.DataCols() && row <= grid.DataRows();
}
