// The truth-table model: sizes, input combinations, transfer into the map and back.
#include "TestSupport.h"
#include "input/TruthTableData.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

/// The texts of one column, rows 1 .. 2^v.
std::vector<std::string> Column(const TTruthTableData& table, int col) {
    std::vector<std::string> out;
    for (int row = 1; row < table.RowCount(); ++row)
        out.push_back(table.Cell(col, row));
    return out;
}

std::vector<std::string> split(const std::string& digits) {
    std::vector<std::string> out;
    for (char ch : digits)
        out.emplace_back(1, ch);
    return out;
}

TEST(TruthTable, StartsWithFourVariablesAndOneFunction) {
    TTruthTableData table;
    EXPECT_EQ(table.VariableCount(), 4);
    EXPECT_EQ(table.FunctionCount(), 1);
    EXPECT_EQ(table.RowCount(), 17);
    EXPECT_EQ(table.ColCount(), 5);
    EXPECT_EQ(table.ColumnNames[5], "F1");
    EXPECT_EQ(table.ColumnNames[1], "");
    EXPECT_EQ(Column(table, 0), split("0000000011111111"));
    EXPECT_EQ(Column(table, 3), split("0101010101010101"));
    EXPECT_EQ(Column(table, 4), std::vector<std::string>(16, ""));
}

TEST(TruthTable, TwoVariables) {
    TTruthTableData table;
    ASSERT_TRUE(table.SetTableSize(2, 1));
    EXPECT_EQ(table.RowCount(), 5);
    EXPECT_EQ(table.ColCount(), 3);
    const char* rows[] = {"00", "01", "10", "11"};
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(table.Cell(0, row) + table.Cell(1, row), rows[row - 1]);
}

TEST(TruthTable, ThreeVariableColumns) {
    TTruthTableData table;
    table.SetVariableCount(3);
    EXPECT_EQ(Column(table, 0), split("00001111"));
    EXPECT_EQ(Column(table, 1), split("00110011"));
    EXPECT_EQ(Column(table, 2), split("01010101"));
}

TEST(TruthTable, EightVariablesRunFromAllZerosToAllOnes) {
    TTruthTableData table;
    table.SetVariableCount(8);
    EXPECT_EQ(table.RowCount(), 257);
    for (int row = 1; row <= 256; ++row) {
        std::string digits;
        for (int col = 0; col < 8; ++col)
            digits += table.Cell(col, row);
        ASSERT_EQ(TCarnoGrid::BinaryToByte(digits), row - 1);
    }
}

TEST(TruthTable, FunctionColumnsAreNamedFOneToFFour) {
    TTruthTableData table;
    ASSERT_TRUE(table.SetTableSize(3, 4));
    EXPECT_EQ(table.ColCount(), 7);
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(table.ColumnNames[static_cast<std::size_t>(3 + k)], "F" + std::to_string(k));
    // Variable captions are the caller's: a position that held a function caption keeps it.
    table.SetVariableCount(5);
    EXPECT_EQ(table.ColumnNames[4], "F1");
    EXPECT_EQ(table.ColumnNames[6], "F1");
}

struct BadSize {
    int variables;
    int functions;
};

class InvalidTableSize : public testing::TestWithParam<BadSize> {};

TEST_P(InvalidTableSize, ShowsTheMessageAndChangesNothing) {
    FakeMessageBox messages;
    TTruthTableData table(&messages);
    table.SetTableSize(3, 2);
    table.SetCell(3, 2, "1");
    table.SetCell(4, 5, "x");
    EXPECT_FALSE(table.SetTableSize(GetParam().variables, GetParam().functions));
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, "Invalid number of variables");
    EXPECT_EQ(messages.shown[0].kind, MsgKind::Information);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(table.VariableCount(), 3);
    EXPECT_EQ(table.FunctionCount(), 2);
    EXPECT_EQ(table.Cell(3, 2), "1");
    EXPECT_EQ(table.Cell(4, 5), "x");
}

INSTANTIATE_TEST_SUITE_P(Sizes, InvalidTableSize,
                         testing::Values(BadSize{9, 1}, BadSize{1, 1}, BadSize{4, 0}, BadSize{4, 5},
                                         BadSize{0, 1}, BadSize{-3, -1}));

TEST(TruthTable, SettingTheSizeAgainEmptiesOnlyTheFirstFunctionColumn) {
    TTruthTableData table;
    table.SetTableSize(3, 2);
    table.SetCell(3, 1, "1");
    table.SetCell(4, 1, "0");
    table.SetVariableCount(3);
    EXPECT_EQ(table.Cell(3, 1), "");
    EXPECT_EQ(table.Cell(4, 1), "0");
}

TEST(TruthTable, CellsOutsideTheTableReadEmptyAndIgnoreWrites) {
    TTruthTableData table;
    table.SetVariableCount(2);
    for (const auto& [col, row] : {std::pair{-1, 1}, {3, 1}, {0, 0}, {0, 5}, {0, -7}}) {
        table.SetCell(col, row, "x");
        EXPECT_EQ(table.Cell(col, row), "") << col << "," << row;
    }
}

TEST(TruthTableToMap, EveryCellIsOverwrittenAsTyped) {
    TestMap map(3);
    map.FillAll("1");
    TTruthTableData table;
    table.SetVariableCount(3);
    table.SetCell(3, 1, "*");
    table.SetCell(3, 6, "x7");
    table.FillCarnoCard(map.grid);
    EXPECT_EQ(map.At(0), "*");
    EXPECT_EQ(map.At(5), "x7");
    for (int m : {1, 2, 3, 4, 6, 7})
        EXPECT_EQ(map.At(m), "") << m;
}

TEST(TruthTableToMap, RowsWhoseDigitsNameNoCellAreSkipped) {
    TestMap map(3);
    map.FillAll("0");
    TTruthTableData table;
    table.SetVariableCount(3);
    for (int row = 1; row <= 8; ++row)
        table.SetCell(3, row, "1");
    table.SetCell(0, 2, "2");  // row of minterm 1
    table.SetCell(1, 3, "");   // row of minterm 2
    table.SetCell(2, 4, "01"); // row of minterm 3
    table.FillCarnoCard(map.grid);
    for (int m : {0, 4, 5, 6, 7})
        EXPECT_EQ(map.At(m), "1") << m;
    for (int m : {1, 2, 3})
        EXPECT_EQ(map.At(m), "0") << m;
}

TEST(TruthTableToMap, EditedDigitsThatStillNameACellWriteThatCell) {
    TestMap map(2);
    map.FillAll("0");
    TTruthTableData table;
    table.SetVariableCount(2);
    table.SetCell(0, 1, "1"); // row 1 now reads 10, the cell of minterm 2
    table.SetCell(2, 1, "*");
    table.SetCell(2, 3, "1"); // the row that reads 10 from the start
    table.FillCarnoCard(map.grid);
    EXPECT_EQ(map.At(2), "1");
    EXPECT_EQ(map.At(0), "0");
}

TEST(MapToTruthTable, EmptyMapGivesCodeZeroEverywhere) {
    for (int n = 2; n <= 8; ++n) {
        TestMap map(n);
        FunctionTable record;
        record.Values = {'x'};
        map.grid.MapToTruthTable(record);
        EXPECT_EQ(record.VariableCount, n);
        EXPECT_EQ(record.Values, std::vector<char>(std::size_t{1} << n, '\0')) << n;
    }
}

TEST(MapToTruthTable, FirstCharacterOfEachCellAtItsMinterm) {
    TestMap map(4);
    map.Set({5}, "*");
    map.Set({0, 15}, "1");
    map.Set({9}, "0");
    map.Set({12}, "17");
    FunctionTable record;
    map.grid.MapToTruthTable(record);
    std::vector<char> expected(16, '\0');
    expected[5] = '*';
    expected[0] = expected[15] = '1';
    expected[9] = '0';
    expected[12] = '1';
    EXPECT_EQ(record.Values, expected);
}

TEST(MapToTruthTable, NumberingAgreesWithTheSets) {
    TestMap map(5);
    map.Set({3, 17, 30}, "1");
    FunctionTable record;
    map.grid.MapToTruthTable(record);
    std::string ones, zeros, dontCares;
    map.grid.MapToSets(ones, zeros, dontCares);
    std::set<std::size_t> fromSets;
    for (std::size_t at = 0; at != std::string::npos && at < ones.size();) {
        const std::size_t comma = ones.find(',', at);
        fromSets.insert(std::stoul(ones.substr(at, comma - at)));
        at = comma == std::string::npos ? comma : comma + 1;
    }
    std::set<std::size_t> fromTable;
    for (std::size_t m = 0; m < record.Values.size(); ++m)
        if (record.Values[m] == '1')
            fromTable.insert(m);
    EXPECT_EQ(fromTable, (std::set<std::size_t>{3, 17, 30}));
    EXPECT_EQ(fromSets, fromTable);
}

TEST(MapToTruthTable, RandomMapsComeBackThroughTheTable) {
    std::mt19937 random(11);
    const char* values[] = {"", "0", "1", "*"};
    for (int n = 2; n <= 8; ++n) {
        TestMap source(n);
        for (int m = 0; m < 1 << n; ++m)
            source.Set({m}, values[random() % 4]);
        FunctionTable record;
        source.grid.MapToTruthTable(record);
        TTruthTableData table;
        table.SetVariableCount(n);
        for (int row = 1; row < table.RowCount(); ++row) {
            const char ch = record.Values[static_cast<std::size_t>(row - 1)];
            table.SetCell(n, row, ch ? std::string(1, ch) : std::string());
        }
        TestMap target(n);
        target.FillAll("junk");
        table.FillCarnoCard(target.grid);
        for (int m = 0; m < 1 << n; ++m)
            ASSERT_EQ(target.At(m), source.At(m)) << n << " " << m;
    }
}

} // namespace
