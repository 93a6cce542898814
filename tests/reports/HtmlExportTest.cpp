// HTML export and the template formatter: exact page, fragment and truth-table texts.
#include "TestSupport.h"
#include "input/TruthTableData.h"
#include "reports/Template.h"
#include "support/FileWriter.h"
#include "support/TextUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

/// The lines joined, each followed by CR LF.
std::string CrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

/// Red 5, green 10, blue 200 as the products colour is kept: 0x00BBGGRR.
constexpr std::uint32_t kBluish = 0x00C80A05;

// --- the template formatter ----------------------------------------------------------------

struct FormatCase {
    const char* pattern;
    const char* argument;
    const char* expected; ///< nullptr: the template is refused
};

class Formatting : public testing::TestWithParam<FormatCase> {};

TEST_P(Formatting, ReplacesTheSlotOrRefusesTheTemplate) {
    const FormatCase& c = GetParam();
    std::string out = "untouched";
    const auto error = formatTemplate(c.pattern, c.argument, out);
    if (c.expected) {
        EXPECT_FALSE(error.has_value()) << c.pattern;
        EXPECT_EQ(out, c.expected) << c.pattern;
        return;
    }
    ASSERT_TRUE(error.has_value()) << c.pattern;
    EXPECT_FALSE(error->empty());
    EXPECT_EQ(out, "untouched") << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Templates, Formatting,
    testing::Values(FormatCase{"<td>%s</td>", "1", "<td>1</td>"},
                    FormatCase{"<td width=\"50%%\">%s</td>\r\n", "x",
                               "<td width=\"50%\">x</td>\r\n"},
                    FormatCase{"%s", "100%s %d", "100%s %d"}, FormatCase{"no slot", "x", "no slot"},
                    FormatCase{"", "x", ""}, FormatCase{"%%%%", "x", "%%"},
                    FormatCase{"%%s", "x", "%s"}, FormatCase{"%s%%", "", "%"},
                    FormatCase{"%d", "x", nullptr}, FormatCase{"%s %s", "x", nullptr},
                    FormatCase{"50%", "x", nullptr}, FormatCase{"%5s", "x", nullptr},
                    FormatCase{"%S", "x", nullptr}, FormatCase{"%n", "x", nullptr},
                    FormatCase{"%%%", "x", nullptr}, FormatCase{"%x%s", "x", nullptr}));

TEST(Escaping, MarkupCharactersBecomeReferences) {
    EXPECT_EQ(escapeHtml(R"(A&B <x> "q" 'ok')"), "A&amp;B &lt;x&gt; &quot;q&quot; 'ok'");
    EXPECT_EQ(escapeHtml("ABC_1*"), "ABC_1*");
    EXPECT_EQ(escapeHtml(""), "");
}

// --- the page -------------------------------------------------------------------------------

class HtmlPage : public testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("lorvane_html_" + std::to_string(testing::UnitTest::GetInstance()->random_seed()) +
                 "_" + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    [[nodiscard]] std::string Path(const std::string& name) const {
        return (m_dir / name).string();
    }
    static std::string Page(const std::vector<std::string>& tableRows) {
        std::vector<std::string> lines = {
            "<HTML>",
            "  <HEAD>",
            "  <TITLE>Karnaugh Map</TITLE>",
            R"(   <meta name="GENERATOR" content="Lorvane">)",
            "  </HEAD>",
            "  <BODY>",
            R"(  <Table Border="1" bordercolor="#C0C0C0" cellspacing="0" cellpadding="2">)"};
        lines.insert(lines.end(), tableRows.begin(), tableRows.end());
        lines.insert(lines.end(), {"  </Table>", "  </BODY>", "</HTML>"});
        return CrLf(lines);
    }

    fs::path m_dir;
};

TEST_F(HtmlPage, TwoVariableMapExactly) {
    TestMap map(2);
    map.Set({0}, "1");
    map.Set({2}, "0");
    map.Set({3}, "*");
    ASSERT_TRUE(map.grid.SaveToHTMLFile(Path("map.htm")));
    EXPECT_EQ(readWholeFile(Path("map.htm")).value_or(""),
              Page({R"(  <TR><TD bgcolor="white">A \ B </TD><TD bgcolor="gray">0</TD>)"
                    R"(<TD bgcolor="gray">1</TD></TR>)",
                    R"(  <TR><TD bgcolor="gray"><center>0</center></TD>)"
                    R"(<TD bgcolor="white">1</TD><TD bgcolor="white"></TD></TR>)",
                    R"(  <TR><TD bgcolor="gray"><center>1</center></TD>)"
                    R"(<TD bgcolor="white">0</TD><TD bgcolor="white">*</TD></TR>)"}));
    EXPECT_TRUE(map.messages.shown.empty());
}

TEST_F(HtmlPage, FourVariableLabelsAndCorner) {
    TestMap map(4);
    map.FillAll("1");
    ASSERT_TRUE(map.grid.SaveToHTMLFile(Path("map.htm")));
    std::vector<std::string> rows;
    std::string header = R"(  <TR><TD bgcolor="white">A B \ C D </TD>)";
    const char* labels[] = {"00", "01", "11", "10"};
    for (const char* label : labels)
        header += std::string(R"(<TD bgcolor="gray">)") + label + "</TD>";
    rows.push_back(header + "</TR>");
    for (const char* label : labels) {
        std::string row =
            std::string(R"(  <TR><TD bgcolor="gray"><center>)") + label + "</center></TD>";
        for (int c = 0; c < 4; ++c)
            row += R"(<TD bgcolor="white">1</TD>)";
        rows.push_back(row + "</TR>");
    }
    EXPECT_EQ(readWholeFile(Path("map.htm")).value_or(""), Page(rows));
}

TEST_F(HtmlPage, CornerOfThreeVariablesAndEscapedNamesAndCells) {
    TestMap map(3);
    map.grid.SetVariableName(1, "A&B");
    map.grid.SetVariableName(3, "<C>");
    map.Set({0}, "\"x\"");
    ASSERT_TRUE(map.grid.SaveToHTMLFile(Path("map.htm")));
    const std::string page = readWholeFile(Path("map.htm")).value_or("");
    EXPECT_NE(page.find(R"(<TD bgcolor="white">A&amp;B \ B &lt;C&gt; </TD>)"), std::string::npos);
    EXPECT_NE(page.find(R"(<TD bgcolor="white">&quot;x&quot;</TD>)"), std::string::npos);
}

TEST_F(HtmlPage, FailureIsReportedAndKeepsWhatWasThere) {
    TestMap map(2);
    EXPECT_FALSE(map.grid.SaveToHTMLFile(Path("no/such/folder/map.htm")));
    ASSERT_EQ(map.messages.shown.size(), 1U);
    EXPECT_EQ(map.messages.shown[0].kind, MsgKind::Error);
    EXPECT_NE(map.messages.shown[0].text.find("map.htm"), std::string::npos);

    // A folder in the target's place cannot be replaced; what it holds stays.
    fs::create_directories(Path("taken.htm"));
    ASSERT_FALSE(writeFileAtomically(Path("taken.htm/inner.txt"), "kept").has_value());
    EXPECT_FALSE(map.grid.SaveToHTMLFile(Path("taken.htm")));
    EXPECT_EQ(readWholeFile(Path("taken.htm/inner.txt")).value_or(""), "kept");
    EXPECT_FALSE(fs::exists(Path("taken.htm.part")));
}

// --- the map fragment -----------------------------------------------------------------------

std::vector<std::string> TwoVariableFragment(const std::string& firstRowCells,
                                             const std::string& secondRowCells) {
    return {R"(  <Table Border="1" bordercolor="#C0C0C0" cellspacing="0" cellpadding="2">)",
            R"(  <TR><TD bgcolor="white">A \ B </TD>)",
            R"(<TD bgcolor="gray">0</TD>)",
            R"(<TD bgcolor="gray">1</TD>)",
            "</TR>",
            "",
            R"(  <TR><TD bgcolor="gray"><center>0</center></TD>)",
            firstRowCells.substr(0, firstRowCells.find('\n')),
            firstRowCells.substr(firstRowCells.find('\n') + 1),
            "</TR>",
            "",
            R"(  <TR><TD bgcolor="gray"><center>1</center></TD>)",
            secondRowCells.substr(0, secondRowCells.find('\n')),
            secondRowCells.substr(secondRowCells.find('\n') + 1),
            "</TR>",
            "",
            "  </Table>",
            ""};
}

const std::string kWhite = R"(<TD bgcolor="white"><p align="center">)";

TEST(HtmlFragment, ChosenTermIsColouredWithSixHexDigits) {
    TestMap map(2);
    map.Set({0, 1}, "1");
    map.Analyze();
    ASSERT_EQ(map.grid.ResultText, "|A");
    map.grid.TermColor = kBluish;
    std::vector<std::string> list = {"old", "items"};
    map.grid.SaveToHTMLTemp(list, 0);
    const std::string coloured = R"(<TD bgcolor="#050AC8"><p align="center">1</TD>)";
    EXPECT_EQ(list, TwoVariableFragment(coloured + "\n" + coloured,
                                        kWhite + "0</TD>\n" + kWhite + "0</TD>"));
}

TEST(HtmlFragment, NoTermColoursNothingAndEmptyCellsShowASpace) {
    TestMap map(2);
    map.Set({0, 1}, "1");
    map.Analyze();
    map.grid.SetCells(2, 2, "");
    map.grid.SetCells(1, 2, "<");
    const auto expected = TwoVariableFragment(kWhite + "1</TD>\n" + kWhite + "1</TD>",
                                              kWhite + "&lt;</TD>\n" + kWhite + "&nbsp;</TD>");
    for (int termNo : {-1, 1, 99}) {
        std::vector<std::string> list;
        map.grid.SaveToHTMLTemp(list, termNo);
        EXPECT_EQ(list, expected) << termNo;
    }
}

struct ColourCase {
    std::uint32_t termColor;
    const char* hex;
};

class TermColours : public testing::TestWithParam<ColourCase> {};

TEST_P(TermColours, AreWrittenAsRedGreenBlue) {
    TestMap map(3);
    map.Set({7}, "1");
    map.Analyze();
    map.grid.TermColor = GetParam().termColor;
    std::vector<std::string> list;
    map.grid.SaveToHTMLTemp(list, 0);
    const std::string cell =
        std::string(R"(<TD bgcolor="#)") + GetParam().hex + R"("><p align="center">1</TD>)";
    EXPECT_EQ(std::count(list.begin(), list.end(), cell), 1);
}

INSTANTIATE_TEST_SUITE_P(Colours, TermColours,
                         testing::Values(ColourCase{kBluish, "050AC8"},
                                         ColourCase{0x008000FF, "FF0080"},
                                         ColourCase{0x00000000, "000000"},
                                         ColourCase{0x00FFFFFF, "FFFFFF"},
                                         ColourCase{0x00123456, "563412"}));

TEST(HtmlFragment, EightVariablesHaveAllRowsAndColumns) {
    TestMap map(8);
    std::vector<std::string> list;
    map.grid.SaveToHTMLTemp(list, -1);
    // Table, corner, 16 labels, header end and its empty line, 16 rows of 1 + 16 + 2 items,
    // table end and its empty line.
    EXPECT_EQ(list.size(), 1U + 1 + 16 + 2 + 16 * 19 + 2);
    EXPECT_EQ(list[1], R"(  <TR><TD bgcolor="white">A B C D \ E F G H </TD>)");
    EXPECT_EQ(list[2], R"(<TD bgcolor="gray">0000</TD>)");
    EXPECT_EQ(list[17], R"(<TD bgcolor="gray">1000</TD>)");
}

// --- the truth-table fragment ---------------------------------------------------------------

const std::vector<std::string> kHeaderCell = {"<TD><b>%s</b></TD>"};
const std::vector<std::string> kVariableCell = {"<TD>%s</TD>"};
const std::vector<std::string> kFunctionCell = {R"(<TD width="10%%" bgcolor="silver">%s</TD>)"};

TEST(TruthTableFragment, TwoVariablesExactly) {
    TTruthTableData table;
    table.SetVariableCount(2);
    table.ColumnNames[1] = "A";
    table.ColumnNames[2] = "B&";
    table.SetCell(2, 1, "1");
    table.SetCell(2, 4, "*");
    std::vector<std::string> out = {"old"};
    ASSERT_FALSE(table.SaveToHTMLTemplate(kHeaderCell, kVariableCell, kFunctionCell, out));
    const std::string f = R"(<TD width="10%" bgcolor="silver">)";
    const std::vector<std::string> expected = {
        R"(<TABLE align="center" border="1" bordercolor="#C0C0C0" cellspacing="0" cellpadding="2" ><TR>)",
        "<TD><b>A</b></TD>\r\n",
        "<TD><b>B&amp;</b></TD>\r\n",
        "<TD><b>F1</b></TD>\r\n",
        "</TR>",
        "<TR>",
        "<TD>0</TD>\r\n",
        "<TD>0</TD>\r\n",
        f + "1</TD>\r\n",
        "</TR>",
        "<TR>",
        "<TD>0</TD>\r\n",
        "<TD>1</TD>\r\n",
        f + "</TD>\r\n",
        "</TR>",
        "<TR>",
        "<TD>1</TD>\r\n",
        "<TD>0</TD>\r\n",
        f + "</TD>\r\n",
        "</TR>",
        "<TR>",
        "<TD>1</TD>\r\n",
        "<TD>1</TD>\r\n",
        f + "*</TD>\r\n",
        "</TR>",
        "</TABLE>"};
    EXPECT_EQ(out, expected);
}

TEST(TruthTableFragment, EightVariablesGiveTheHeaderAndAll256Rows) {
    TestMap map(8);
    map.Set({0, 77, 255}, "1");
    map.Set({128}, "*");
    FunctionTable record;
    map.grid.MapToTruthTable(record);
    TTruthTableData table;
    table.SetVariableCount(8);
    for (int i = 1; i <= 8; ++i)
        table.ColumnNames[static_cast<std::size_t>(i)] = map.grid.VariableName(i);
    for (int row = 1; row <= 256; ++row) {
        const char ch = record.Values[static_cast<std::size_t>(row - 1)];
        table.SetCell(8, row, ch ? std::string(1, ch) : std::string());
    }
    std::vector<std::string> out;
    ASSERT_FALSE(
        table.SaveToHTMLTemplate({"<TH>%s</TH>"}, {"<TD>%s</TD>"}, {"<TD>[%s]</TD>"}, out));

    std::string expected =
        R"(<TABLE align="center" border="1" bordercolor="#C0C0C0" cellspacing="0" cellpadding="2" ><TR>)"
        "\r\n";
    for (const char* name : {"A", "B", "C", "D", "E", "F", "G", "H", "F1"})
        expected += std::string("<TH>") + name + "</TH>\r\n\r\n";
    expected += "</TR>\r\n";
    for (int m = 0; m < 256; ++m) {
        expected += "<TR>\r\n";
        for (char digit : std::bitset<8>(static_cast<unsigned long>(m)).to_string())
            expected += std::string("<TD>") + digit + "</TD>\r\n\r\n";
        const char* value = m == 0 || m == 77 || m == 255 ? "1" : m == 128 ? "*" : "";
        expected += std::string("<TD>[") + value + "]</TD>\r\n\r\n</TR>\r\n";
    }
    expected += "</TABLE>\r\n";
    EXPECT_EQ(out.size(), 1U + 9 + 1 + 256 * 11 + 1);
    EXPECT_EQ(CrLf(out), expected);
}

TEST(TruthTableFragment, MultiLineTemplatesKeepTheirLineBreaks) {
    TTruthTableData table;
    table.SetVariableCount(2);
    std::vector<std::string> out;
    ASSERT_FALSE(table.SaveToHTMLTemplate({"<TH>", "%s</TH>"}, {}, {"%s"}, out));
    EXPECT_EQ(out[3], "<TH>\r\nF1</TH>\r\n");
    EXPECT_EQ(out[6], "");
    EXPECT_EQ(out[8], "\r\n");
}

TEST(TruthTableFragment, BadTemplateIsAnErrorAndLeavesTheOutputAlone) {
    TTruthTableData table;
    table.SetVariableCount(3);
    const std::vector<std::vector<std::string>> bad = {{"<TD>%d</TD>"}, {"%s %s"}, {"100%"}};
    for (int which = 0; which < 3; ++which) {
        for (const auto& pattern : bad) {
            std::vector<std::vector<std::string>> templates = {kHeaderCell, kVariableCell,
                                                               kFunctionCell};
            templates[static_cast<std::size_t>(which)] = pattern;
            std::vector<std::string> out = {"previous"};
            const auto error =
                table.SaveToHTMLTemplate(templates[0], templates[1], templates[2], out);
            EXPECT_TRUE(error.has_value()) << which << " " << pattern[0];
            EXPECT_EQ(out, std::vector<std::string>{"previous"});
        }
    }
}

} // namespace
