// The map model: geometry, labels, numbering, the cell store and validation.
#include "TestSupport.h"
#include "engine/Neighbours.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Labels(const TCarnoGrid& grid, bool rows) {
    std::vector<std::string> out;
    const int count = rows ? grid.DataRows() : grid.DataCols();
    for (int i = 1; i <= count; ++i)
        out.push_back(rows ? grid.RowLabel(i) : grid.ColLabel(i));
    return out;
}

TEST(MapModel, GeometryFollowsTheVariableCount) {
    const int expected[][2] = {{3, 3}, {5, 3}, {5, 5}, {9, 5}, {9, 9}, {17, 9}, {17, 17}};
    TestMap map;
    for (int n = 2; n <= 8; ++n) {
        map.grid.SetVariableCount(n);
        EXPECT_EQ(map.grid.ColCount(), expected[n - 2][0]) << n;
        EXPECT_EQ(map.grid.RowCount(), expected[n - 2][1]) << n;
        EXPECT_EQ(map.grid.GetColVarCount() + map.grid.GetRowVarCount(), n);
    }
}

TEST(MapModel, InvalidVariableCountIsRefusedWithAMessage) {
    TestMap map(5);
    for (int bad : {1, 9, 0}) {
        map.grid.SetVariableCount(bad);
        EXPECT_EQ(map.grid.GetVariableCount(), 5);
        EXPECT_EQ(map.grid.ColCount(), 9);
        EXPECT_EQ(map.grid.RowCount(), 5);
    }
    ASSERT_EQ(map.messages.shown.size(), 3U);
    EXPECT_EQ(map.messages.shown[0].text, "Invalid number of variables");
    EXPECT_EQ(map.messages.shown[0].kind, MsgKind::Information);
    EXPECT_EQ(map.messages.shown[0].buttons, MsgButtons::Ok);
}

TEST(MapModel, GrayCodeLabels) {
    TestMap map(2);
    EXPECT_EQ(Labels(map.grid, true), (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(Labels(map.grid, false), (std::vector<std::string>{"0", "1"}));
    map.grid.SetVariableCount(3);
    EXPECT_EQ(Labels(map.grid, false), (std::vector<std::string>{"00", "01", "11", "10"}));
    map.grid.SetVariableCount(7);
    EXPECT_EQ(Labels(map.grid, true),
              (std::vector<std::string>{"000", "001", "011", "010", "110", "111", "101", "100"}));
    const std::vector<std::string> sixteen = {"0000", "0001", "0011", "0010", "0110", "0111",
                                              "0101", "0100", "1100", "1101", "1111", "1110",
                                              "1010", "1011", "1001", "1000"};
    EXPECT_EQ(Labels(map.grid, false), sixteen);
    map.grid.SetVariableCount(8);
    EXPECT_EQ(Labels(map.grid, true), sixteen);

    std::array<std::string, 256> table;
    TCarnoGrid::MakeGrayLabels(8, table);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(table[static_cast<std::size_t>(i)], TCarnoGrid::ByteToBinary(i ^ (i >> 1)));
    TCarnoGrid::MakeGrayLabels(0, table);
    EXPECT_EQ(table[0], "00000000");
    EXPECT_EQ(table[1], "00000001");
}

TEST(MapModel, MintermNumbering) {
    TestMap map(2);
    EXPECT_EQ(map.grid.MintermOf(1, 2), 2);
    map.grid.SetVariableCount(3);
    const int three[2][4] = {{0, 1, 3, 2}, {4, 5, 7, 6}};
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 4; ++c)
            EXPECT_EQ(map.grid.MintermOf(c, r), three[r - 1][c - 1]);
    map.grid.SetVariableCount(5);
    EXPECT_EQ(map.grid.MintermOf(5, 2), 14);
    map.grid.SetVariableCount(8);
    EXPECT_EQ(map.grid.MintermOf(16, 16), 136);
    for (int n = 2; n <= 8; ++n) {
        map.grid.SetVariableCount(n);
        for (int m = 0; m < 1 << n; ++m) {
            const CellPos cell = map.grid.CellOfMinterm(m);
            EXPECT_EQ(map.grid.MintermOf(cell.col, cell.row), m);
            EXPECT_EQ(
                TCarnoGrid::BinaryToByte(map.grid.RowLabel(cell.row) + map.grid.ColLabel(cell.col)),
                m);
        }
    }
}

TEST(MapModel, StoreKeepsTextsBeyondTheCurrentSize) {
    TestMap map(4);
    map.grid.SetCells(4, 4, "1");
    map.grid.SetVariableCount(2);
    EXPECT_EQ(map.grid.DataCols(), 2);
    map.grid.SetVariableCount(4);
    EXPECT_EQ(map.grid.Cells(4, 4), "1");
    map.grid.SetCells(33, 1, "1");
    map.grid.SetCells(0, 0, "1");
    EXPECT_EQ(map.grid.Cells(33, 1), "");
    EXPECT_EQ(map.grid.Cells(0, 0), "");
    EXPECT_EQ(map.grid.Cells(32, 32), "");
}

TEST(MapModel, SnapshotRestoresCellsBeyondTheMapCountAndFillState) {
    TestMap map(6);
    map.grid.SetCells(8, 8, "1");
    map.grid.SetCells(32, 32, "x");
    map.grid.FillState = 2;
    const MapCells before = map.grid.Snapshot();
    map.grid.SetVariableCount(3);
    map.grid.FillState = 0;
    map.FillAll("0");
    EXPECT_NE(map.grid.Snapshot(), before);
    const int repaints = map.view.repaints;
    map.grid.Restore(before);
    EXPECT_EQ(map.view.repaints, repaints + 1);
    EXPECT_EQ(map.grid.GetVariableCount(), 6);
    EXPECT_EQ(map.grid.DataCols(), 8);
    EXPECT_EQ(map.grid.RowLabel(8), "100");
    EXPECT_EQ(map.grid.Cells(8, 8), "1");
    EXPECT_EQ(map.grid.Cells(1, 1), "");
    EXPECT_EQ(map.grid.Cells(32, 32), "x");
    EXPECT_EQ(map.grid.FillState, 2);
    EXPECT_EQ(map.grid.Snapshot(), before);
}

TEST(MapModel, ValidateCells) {
    TestMap map(3);
    map.grid.SetCells(1, 1, "1");
    map.grid.SetCells(2, 1, "*");
    map.grid.SetCells(3, 2, "0");
    EXPECT_TRUE(map.grid.ValidateCells());
    EXPECT_TRUE(map.messages.shown.empty());
    for (const char* bad : {" 1", "2", "x", "10", "**"}) {
        map.grid.SetCells(4, 2, bad);
        EXPECT_FALSE(map.grid.ValidateCells()) << bad;
    }
    ASSERT_EQ(map.messages.shown.size(), 5U);
    EXPECT_EQ(map.messages.shown[0].text, "Invalid data in cell.");
    EXPECT_EQ(map.messages.shown[0].kind, MsgKind::Error);
    // Texts outside the current map are not examined.
    map.grid.SetCells(4, 2, "");
    map.grid.SetCells(9, 9, "x");
    EXPECT_TRUE(map.grid.ValidateCells());
}

TEST(MapModel, Conversions) {
    EXPECT_EQ(TCarnoGrid::BinaryToByte("0110"), 6);
    EXPECT_EQ(TCarnoGrid::BinaryToByte("101x"), 10);
    EXPECT_EQ(TCarnoGrid::BinaryToByte("1111111111"), 255);
    EXPECT_EQ(TCarnoGrid::BinaryToByte(""), 0);
    EXPECT_EQ(TCarnoGrid::ByteToBinary(5), "00000101");
    EXPECT_EQ(TCarnoGrid::ByteToBinary(255), "11111111");
    EXPECT_EQ(TCarnoGrid::CellCode("1"), vcOne);
    EXPECT_EQ(TCarnoGrid::CellCode("0"), vcZero);
    EXPECT_EQ(TCarnoGrid::CellCode("*"), vcDontCare);
    EXPECT_EQ(TCarnoGrid::CellCode(""), vcDontCare);
    EXPECT_EQ(TCarnoGrid::CellCode("10"), vcOne);
}

TEST(Neighbours, RuleOnAnAxisOfEight) {
    const std::vector<std::vector<int>> forward = {{2, 4, 8}, {3, 7}, {4, 6}, {5, 5},
                                                   {6, 8},    {7, 3}, {8, 2}, {1}};
    const std::vector<std::vector<int>> backward = {{8},    {1, 7}, {2, 6}, {3, 5},
                                                    {4, 4}, {5, 3}, {6, 2}, {7, 1}};
    for (int x = 1; x <= 8; ++x) {
        EXPECT_EQ(forwardPartners(x, 8), forward[static_cast<std::size_t>(x - 1)]) << x;
        EXPECT_EQ(backwardPartners(x, 8), backward[static_cast<std::size_t>(x - 1)]) << x;
    }
}

TEST(Neighbours, SixteenAxisLeavesGapsButNeverJoinsNonNeighbours) {
    auto partners = [](int x) {
        std::vector<int> all = forwardPartners(x, 16);
        for (int p : backwardPartners(x, 16))
            all.push_back(p);
        return all;
    };
    auto gray = [](int x) { return (x - 1) ^ ((x - 1) >> 1); };
    for (int x = 1; x <= 16; ++x)
        for (int p : partners(x))
            EXPECT_EQ(std::popcount(static_cast<unsigned>(gray(x) ^ gray(p))), 1) << x << "," << p;
    for (auto [a, b] : {std::pair{2, 7}, {3, 6}, {10, 15}, {11, 14}}) {
        const auto list = partners(a);
        EXPECT_EQ(std::count(list.begin(), list.end(), b), 0) << a << "," << b;
    }
}

TEST(SelectTerm, PaintsExactlyTheTermsCellsInTheTermColour) {
    TestMap map(4);
    map.Set({0, 1, 4, 5, 10, 11, 14, 15}, "1");
    map.Analyze();
    ASSERT_EQ(map.tree.lines, (std::vector<std::string>{"A*C+|A*|C", "  A*C", "  |A*|C"}));
    map.grid.TermColor = 0x00FF8000;
    const int before = map.view.repaints;
    map.grid.SelectTerm(0);
    EXPECT_EQ(map.view.repaints, before + 1);
    EXPECT_EQ(map.view.color, 0x00FF8000U);
    std::vector<int> minterms;
    for (const CellPos& cell : map.view.filled)
        minterms.push_back(map.grid.MintermOf(cell.col, cell.row));
    std::sort(minterms.begin(), minterms.end());
    EXPECT_EQ(minterms, (std::vector<int>{10, 11, 14, 15}));
    EXPECT_TRUE(map.grid.IsCellOfTerm(0, 3, 3));
    EXPECT_FALSE(map.grid.IsCellOfTerm(0, 1, 1));
    EXPECT_FALSE(map.grid.IsCellOfTerm(2, 1, 1));
    EXPECT_FALSE(map.grid.IsCellOfTerm(-1, 1, 1));

    const int repaints = map.view.repaints;
    map.grid.SelectTerm(2);
    map.grid.SelectTerm(-1);
    EXPECT_EQ(map.view.repaints, repaints);
}

} // namespace
