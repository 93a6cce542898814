// Whole-map fills, clearing after a load, set texts and the tokenizer.
#include "TestSupport.h"
#include "input/StringParcer.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> MintermsHolding(const TestMap& map, const std::string& value) {
    std::vector<int> out;
    for (int m = 0; m < 1 << map.grid.GetVariableCount(); ++m)
        if (map.At(m) == value)
            out.push_back(m);
    return out;
}

TEST(StringParcer, SplitsIntoNonEmptyTokens) {
    TStringParcer p;
    p.Text = ",,1,,3 ,";
    p.Parse(',');
    EXPECT_EQ(p.Items, (std::vector<std::string>{"1", "3 "}));
    p.Text = ",,,";
    p.Parse(',');
    EXPECT_TRUE(p.Items.empty());
    p.Items = {"kept"};
    p.Text = "";
    p.Parse(',');
    EXPECT_EQ(p.Items, (std::vector<std::string>{"kept"}));
}

struct SetCase {
    const char* text;
    std::vector<int> filled;
};

class SetTexts : public testing::TestWithParam<SetCase> {};

TEST_P(SetTexts, FillTheNamedCellsOfAThreeVariableMap) {
    TestMap map(3);
    EXPECT_TRUE(map.grid.AnalyzeWorkString(GetParam().text, "1"));
    EXPECT_EQ(MintermsHolding(map, "1"), GetParam().filled) << GetParam().text;
    EXPECT_TRUE(map.messages.shown.empty());
    EXPECT_EQ(MintermsHolding(map, "").size(), 8 - GetParam().filled.size());
}

INSTANTIATE_TEST_SUITE_P(
    Notation, SetTexts,
    testing::Values(SetCase{"0,2,5-7", {0, 2, 5, 6, 7}}, SetCase{"1, 3", {1, 3}},
                    SetCase{"1,,3", {1, 3}}, SetCase{",1,3", {1, 3}}, SetCase{"1,3,", {1, 3}},
                    SetCase{"8", {}}, SetCase{"6-8", {}}, SetCase{"0-7", {0, 1, 2, 3, 4, 5, 6, 7}},
                    SetCase{"7-5", {5, 6, 7}}, SetCase{"-2", {0, 1, 2}},
                    SetCase{"3-", {0, 1, 2, 3}}, SetCase{"1-2-3", {1, 2}}, SetCase{"-", {0}},
                    SetCase{"   ", {}}, SetCase{"", {}},
                    SetCase{"99999999999999999999999999,4", {4}},
                    SetCase{"0-99999999999999999999", {}}, SetCase{"007", {7}}));

TEST(SetFill, InvalidSymbolChangesNothingButOtherSetsStillApply) {
    TestMap map(3);
    EXPECT_FALSE(map.grid.AnalyzeWorkString("1;3", "1"));
    EXPECT_TRUE(map.grid.AnalyzeWorkString("2", "0"));
    EXPECT_EQ(map.messages.Texts(), (std::vector<std::string>{"Invalid symbol in string."}));
    EXPECT_EQ(map.messages.shown[0].kind, MsgKind::Information);
    EXPECT_EQ(MintermsHolding(map, "1"), std::vector<int>{});
    EXPECT_EQ(MintermsHolding(map, "0"), std::vector<int>{2});
}

TEST(SetFill, LaterSetsWinAndLongTextsAreRefused) {
    TestMap map(3);
    ASSERT_TRUE(map.grid.AnalyzeWorkString("0-7", "1"));
    ASSERT_TRUE(map.grid.AnalyzeWorkString("3", "0"));
    ASSERT_TRUE(map.grid.AnalyzeWorkString("3-4", "*"));
    EXPECT_EQ(MintermsHolding(map, "*"), (std::vector<int>{3, 4}));
    EXPECT_EQ(MintermsHolding(map, "1"), (std::vector<int>{0, 1, 2, 5, 6, 7}));

    std::string longText;
    while (longText.size() <= 255)
        longText += "1,";
    EXPECT_FALSE(map.grid.AnalyzeWorkString(longText + "0", "0"));
    EXPECT_EQ(map.At(1), "1");
    ASSERT_EQ(map.messages.shown.size(), 1U);
    EXPECT_NE(map.messages.shown[0].text.find("255"), std::string::npos);
    // Spaces do not count towards the limit.
    EXPECT_TRUE(map.grid.AnalyzeWorkString(std::string(400, ' ') + "1", "0"));
    EXPECT_EQ(map.At(1), "0");
}

TEST(FillCard, AsksOnlyWhenAResultIsShownAndFillsEitherWay) {
    TestMap map(3);
    map.grid.FillCard("1");
    EXPECT_TRUE(map.messages.shown.empty());
    EXPECT_EQ(MintermsHolding(map, "1").size(), 8U);

    map.tree.lines = {"root", "  term"};
    map.messages.answers = {MsgAnswer::Cancel};
    map.grid.FillCard("*");
    ASSERT_EQ(map.messages.shown.size(), 1U);
    EXPECT_EQ(map.messages.shown[0].text, "Results of analyze will be lost, Continue?");
    EXPECT_EQ(map.messages.shown[0].kind, MsgKind::Warning);
    EXPECT_EQ(map.messages.shown[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(map.tree.Count(), 2);
    EXPECT_EQ(MintermsHolding(map, "*").size(), 8U);

    map.messages.answers = {MsgAnswer::Ok};
    map.grid.FillCard("");
    EXPECT_EQ(map.tree.Count(), 0);
    EXPECT_EQ(MintermsHolding(map, "").size(), 8U);
}

TEST(CleareCard, EmptiesTheWholeStoreOnlyAfterALoad) {
    TestMap map(2);
    map.grid.SetCells(30, 30, "1");
    map.grid.CleareCard();
    EXPECT_EQ(map.grid.Cells(30, 30), "1");
    map.grid.FillState = 2;
    map.grid.FillCard("0");
    EXPECT_EQ(map.grid.Cells(30, 30), "");
    EXPECT_EQ(map.grid.Cells(1, 1), "0");
    EXPECT_EQ(map.grid.FillState, 0);
}

} // namespace
