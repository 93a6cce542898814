// The level building against a literal, unoptimised reading of the gluing rules.
#include "TestSupport.h"
#include "engine/Neighbours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace {

using Cells = std::vector<TCellItem>;

bool Holds(const Cells& term, int col, int row) {
    for (const TCellItem& c : term)
        if (c.col == col && c.row == row)
            return true;
    return false;
}

/// The cells of a term as sorted (column, row) keys, to tell equal terms apart.
std::vector<int> Key(const Cells& term) {
    std::vector<int> key;
    for (const TCellItem& c : term)
        key.push_back(c.col * 100 + c.row);
    std::sort(key.begin(), key.end());
    return key;
}

/// A level under construction: its terms in order, and their keys for the duplicate test.
struct Level {
    std::vector<Cells> terms;
    std::set<std::vector<int>> keys;

    void AppendUnique(const Cells& term) {
        if (keys.insert(Key(term)).second)
            terms.push_back(term);
    }
};

/// Every level, built by comparing every pair of terms and scanning lists, as written.
std::vector<Level> ReferenceLevels(const TCarnoGrid& grid) {
    const int cols = grid.DataCols();
    const int rows = grid.DataRows();
    const std::string target = grid.GlueMethod == gmDNF ? "1" : "0";
    std::vector<Level> levels(2);
    auto cell = [&](int c, int r) {
        return TCellItem{static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(r),
                         TCarnoGrid::CellCode(grid.Cells(c, r))};
    };
    for (int c = 1; c <= cols; ++c) {
        for (int r = 1; r <= rows; ++r) {
            const std::string& text = grid.Cells(c, r);
            if (text != target && text != "*")
                continue;
            bool found = false;
            for (const CellPos& n : neighbourCells(c, r, cols, rows)) {
                const std::string& other = grid.Cells(n.col, n.row);
                if (text == target ? (other == text || other == "*")
                                   : (other == "*" || other == target)) {
                    levels[1].AppendUnique({cell(c, r), cell(n.col, n.row)});
                    found = true;
                }
            }
            if (text == target && !found)
                levels[0].terms.push_back({cell(c, r)});
        }
    }
    std::vector<std::vector<CellPos>> around(17 * 17);
    for (int c = 1; c <= cols; ++c)
        for (int r = 1; r <= rows; ++r)
            around[static_cast<std::size_t>(c * 17 + r)] = neighbourCells(c, r, cols, rows);
    auto gluable = [&](const Cells& x, const Cells& y) {
        int k = 0, overlap = 0;
        for (const TCellItem& c : x) {
            bool reaches = false;
            for (const CellPos& p : around[static_cast<std::size_t>(c.col * 17 + c.row)])
                reaches = reaches || (Holds(y, p.col, p.row) && !Holds(x, p.col, p.row));
            k += reaches;
            overlap += Holds(y, c.col, c.row);
        }
        const int xs = static_cast<int>(x.size()), ys = static_cast<int>(y.size());
        return (k == xs && ys == k) || (overlap == 0 && xs + ys == cols * rows);
    };
    for (std::size_t level = 1; level < levels.size() && !levels[level].terms.empty(); ++level) {
        Level next;
        const auto& terms = levels[level].terms;
        for (std::size_t x = 0; x < terms.size(); ++x)
            for (std::size_t y = x + 1; y < terms.size(); ++y)
                if (terms[x].size() == terms[y].size() && gluable(terms[x], terms[y])) {
                    Cells joined = terms[x];
                    joined.insert(joined.end(), terms[y].begin(), terms[y].end());
                    next.AppendUnique(joined);
                }
        levels.push_back(std::move(next));
    }
    return levels;
}

void ExpectSameLevels(const TCarnoGrid& grid, const std::string& where) {
    const auto reference = ReferenceLevels(grid);
    const auto& levels = grid.TermLevels();
    ASSERT_EQ(levels.size(), reference.size()) << where;
    for (std::size_t l = 0; l < levels.size(); ++l) {
        ASSERT_EQ(levels[l].terms.size(), reference[l].terms.size()) << where << " level " << l;
        for (std::size_t t = 0; t < reference[l].terms.size(); ++t) {
            const Cells& expected = reference[l].terms[t];
            const Cells& actual = levels[l].terms[t].cells;
            ASSERT_EQ(actual.size(), expected.size()) << where;
            for (std::size_t i = 0; i < expected.size(); ++i) {
                ASSERT_EQ(actual[i].col, expected[i].col) << where << " level " << l;
                ASSERT_EQ(actual[i].row, expected[i].row) << where << " level " << l;
                ASSERT_EQ(actual[i].code, expected[i].code) << where << " level " << l;
            }
        }
    }
}

TEST(LevelReference, RandomMapsBuildTheSameLevelsInTheSameOrder) {
    std::mt19937 random(31);
    for (int n = 2; n <= 8; ++n) {
        const int maps = n <= 6 ? 40 : 6;
        for (int i = 0; i < maps; ++i) {
            TestMap map(n);
            const int ones = 20 + static_cast<int>(random() % 70);
            const int dcs = static_cast<int>(random() % 30);
            for (int m = 0; m < 1 << n; ++m) {
                const int roll = static_cast<int>(random() % 100);
                map.Set({m}, roll < ones ? "1" : roll < ones + dcs ? "*" : "0");
            }
            map.grid.GlueMethod = i % 2 ? gmKNF : gmDNF;
            map.grid.Glue();
            ExpectSameLevels(map.grid, "n=" + std::to_string(n) + " map " + std::to_string(i));
        }
    }
}

TEST(LevelReference, FullMapsOfSixAndSevenVariables) {
    for (int n : {6, 7}) {
        TestMap map(n);
        map.FillAll("1");
        map.grid.Glue();
        ExpectSameLevels(map.grid, "full " + std::to_string(n));
    }
}

} // namespace
