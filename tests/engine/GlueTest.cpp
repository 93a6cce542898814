// Term gluing: pairs, levels, duplicates and the progress bookkeeping.
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> LevelCounts(const TCarnoGrid& grid) {
    std::vector<int> counts;
    for (const TLevelItem& level : grid.TermLevels())
        counts.push_back(static_cast<int>(level.terms.size()));
    return counts;
}

std::vector<int> LevelSizes(const TCarnoGrid& grid) {
    std::vector<int> sizes;
    for (const TLevelItem& level : grid.TermLevels())
        sizes.push_back(level.size);
    return sizes;
}

TEST(Glue, IsolatedCellStaysInLevelOne) {
    TestMap map(4);
    map.FillAll("0");
    map.grid.SetCells(2, 2, "1");
    map.grid.Glue();
    EXPECT_EQ(LevelSizes(map.grid), (std::vector<int>{1, 2}));
    EXPECT_EQ(LevelCounts(map.grid), (std::vector<int>{1, 0}));
}

TEST(Glue, FirstAndLastColumnOfARowArePaired) {
    TestMap map(4);
    map.FillAll("0");
    map.grid.SetCells(1, 1, "1");
    map.grid.SetCells(4, 1, "1");
    map.grid.Glue();
    EXPECT_EQ(LevelCounts(map.grid), (std::vector<int>{0, 1, 0}));
}

TEST(Glue, FullRowGivesFourPairsAndOneQuadStoredOnce) {
    TestMap map(4);
    map.FillAll("0");
    for (int c = 1; c <= 4; ++c)
        map.grid.SetCells(c, 1, "1");
    map.grid.Glue();
    ASSERT_EQ(LevelCounts(map.grid), (std::vector<int>{0, 4, 1, 0}));
    std::vector<std::pair<int, int>> pairs;
    for (const TTermItem& t : map.grid.TermLevels()[1].terms)
        pairs.push_back({t.cells[0].col, t.cells[1].col});
    EXPECT_EQ(pairs, (std::vector<std::pair<int, int>>{{1, 2}, {1, 4}, {2, 3}, {3, 4}}));
}

TEST(Glue, DontCaresJoinPairsAndFormPairsOfTheirOwn) {
    TestMap map(4);
    map.FillAll("0");
    map.grid.SetCells(1, 1, "1");
    map.grid.SetCells(2, 1, "*");
    map.grid.SetCells(3, 3, "*");
    map.grid.SetCells(3, 4, "*");
    map.grid.Glue();
    EXPECT_EQ(LevelCounts(map.grid), (std::vector<int>{0, 2, 0}));
    const TTermItem& pair = map.grid.TermLevels()[1].terms[0];
    EXPECT_EQ(pair.cells[0].code, vcOne);
    EXPECT_EQ(pair.cells[1].code, vcDontCare);
    EXPECT_EQ(map.grid.TargetCount(), 1);
}

TEST(Glue, GapsOnSixteenPositionAxes) {
    for (int n : {7, 8}) {
        TestMap map(n);
        map.FillAll("0");
        map.grid.SetCells(2, 1, "1");
        map.grid.SetCells(7, 1, "1");
        map.grid.Glue();
        EXPECT_EQ(LevelCounts(map.grid), (std::vector<int>{2, 0})) << n;
    }
}

TEST(Glue, NoTargetCellsButDontCaresStillGlue) {
    TestMap map(4);
    map.FillAll("0");
    for (int c = 1; c <= 2; ++c)
        for (int r = 1; r <= 2; ++r)
            map.grid.SetCells(c, r, "*");
    map.grid.Glue();
    EXPECT_EQ(map.grid.TargetCount(), 0);
    EXPECT_EQ(LevelCounts(map.grid), (std::vector<int>{0, 4, 1, 0}));
    EXPECT_TRUE(map.grid.ResultTerms().empty());
}

TEST(Glue, LevelsOfFullMaps) {
    TestMap seven(7);
    seven.FillAll("1");
    seven.grid.Glue();
    EXPECT_EQ(LevelSizes(seven.grid), (std::vector<int>{1, 2, 4, 8, 16, 32, 64, 128, 256}));
    EXPECT_EQ(LevelCounts(seven.grid), (std::vector<int>{0, 416, 560, 400, 160, 34, 3, 1, 0}));
    EXPECT_EQ(seven.grid.TermLevels()[7].terms[0].CellCount(), 128);

    TestMap eight(8);
    eight.FillAll("1");
    eight.grid.Glue();
    EXPECT_EQ(LevelSizes(eight.grid), (std::vector<int>{1, 2, 4, 8, 16, 32, 64, 128}));
    EXPECT_EQ(LevelCounts(eight.grid), (std::vector<int>{0, 896, 1296, 992, 424, 96, 9, 0}));
}

TEST(Glue, EveryGluedTermIsASubCubeOfTargetAndDontCareCells) {
    TestMap map(6);
    const char* values[] = {"1", "0", "*", "1"};
    for (int m = 0; m < 64; ++m)
        map.Set({m}, values[(m * 7 + m / 5) % 4]);
    map.grid.Glue();
    for (const TLevelItem& level : map.grid.TermLevels()) {
        for (const TTermItem& term : level.terms) {
            ASSERT_EQ(term.CellCount(), level.size);
            ASSERT_EQ(term.set.Count(), level.size);
            int fixed = 0, free = 0;
            int first = map.grid.MintermOf(term.cells[0].col, term.cells[0].row);
            for (const TCellItem& cell : term.cells) {
                EXPECT_NE(map.grid.Cells(cell.col, cell.row), "0");
                free |= first ^ map.grid.MintermOf(cell.col, cell.row);
            }
            fixed = 6 - std::popcount(static_cast<unsigned>(free));
            EXPECT_EQ(1 << (6 - fixed), level.size);
        }
    }
}

TEST(Glue, ProgressRunsOverCellsThenEndsAtItsMaximum) {
    TestMap map(4);
    map.FillAll("0");
    map.Set({0, 1, 2}, "1");
    map.grid.Glue();
    EXPECT_EQ(map.progress.max, 16 + 3 * 3);
    EXPECT_EQ(map.progress.position, map.progress.max);
    // One step per cell, one per term glued from, and the final jump to the maximum.
    EXPECT_EQ(map.progress.updates, 16 + 2 + 1);
}

} // namespace
