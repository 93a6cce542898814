// The report: exact section texts, set-list breaking, placeholders, files and their failures.
#include "reports/Report.h"
#include "TestSupport.h"
#include "reports/Template.h"
#include "support/FileWriter.h"
#include "support/ProgramPath.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

const std::string kSop =
    "<table align=\"center\" width=\"100%\" border=\"1\"><tr><td> Type</td><td> "
    "<b>D</b>isjunctive <b>N</b>ormal <b>F</b>orm</td></tr>";
const std::string kPos =
    "<table align=\"center\" width=\"100%\" border=\"1\"><tr><td> Type</td><td> "
    "<b>C</b>onjunctive <b>N</b>ormal <b>F</b>orm</td></tr>";

/// The result tree's captions as the window shows them: root first, then the terms.
std::vector<std::string> Captions(const FakeTree& tree) {
    std::vector<std::string> captions;
    for (const std::string& line : tree.lines)
        captions.push_back(captions.empty() ? line : line.substr(2));
    return captions;
}

/// A map analysed from its 1-set (or 0-set for POS), with the report request to match.
struct Analysed {
    TestMap map;
    ReportRequest request;

    Analysed(int variables, const std::vector<int>& targets, TGlueMethod method = gmDNF)
        : map(variables) {
        map.Set(targets, method == gmDNF ? "1" : "0");
        map.Analyze(method);
        request.treeLines = Captions(map.tree);
    }
    [[nodiscard]] std::string Build(const ReportTemplates& templates) const {
        std::string text;
        const auto error = buildReportText(map.grid, request, templates, text);
        EXPECT_FALSE(error.has_value()) << *error;
        return text;
    }
};

/// Templates that hold nothing but the three placeholders, one per line.
ReportTemplates BareTemplates() {
    ReportTemplates templates;
    templates.page = {"<%FUNCTION%>", "<%RESULTS%>", "<%ADVDETAILES%>"};
    templates.headerCell = {"<th>%s</th>"};
    templates.variableCell = {"<td>%s</td>"};
    templates.functionCell = {"<td class=\"f\">%s</td>"};
    return templates;
}

/// The map table with term `termNo` coloured, as the report inserts it.
std::string Fragment(const TCarnoGrid& grid, int termNo) {
    std::vector<std::string> lines;
    grid.SaveToHTMLTemp(lines, termNo);
    return templateText(lines);
}

std::string resultSection(const std::string& map, const std::string& formula) {
    return "<table align=\"center\" width=\"100%\" border=\"1\"><tr><td width=\"50%\">" + map +
           "</td><td width=\"50%\" ><br><p align=\"center\">" + formula + "\"</td></tr></table>";
}

TEST(ReportText, AllBoxesOffHoldsTypeCountAndFormula) {
    const Analysed a(3, {2, 3, 5, 7});
    EXPECT_EQ(a.Build(BareTemplates()),
              kSop + "<tr><td>Number of Variables</td><td>3</td></tr></table>\r\n" +
                  resultSection("", "Y(A,B,C)=\"|A*B+A*C") + "\r\n\r\n");
}

TEST(ReportText, ProductOfSumsWithThreeVariables) {
    const Analysed a(3, {0, 3, 5}, gmKNF);
    ASSERT_EQ(a.map.grid.ResultText, "A+B+C*|A+B+|C*A+|B+|C");
    const std::string text = a.Build(BareTemplates());
    EXPECT_EQ(text.rfind(kPos, 0), 0U);
    EXPECT_NE(text.find(resultSection("", "Y(A,B,C)=\"A+B+C*|A+B+|C*A+|B+|C")), std::string::npos);
}

TEST(ReportText, SetsRowsAreBrokenForDisplay) {
    Analysed a(4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    a.request.content.sets = true;
    std::string ones, zeros, dontCares;
    a.map.grid.MapToSets(ones, zeros, dontCares);
    const std::string text = a.Build(BareTemplates());
    EXPECT_NE(text.find("<tr><td>Number of Variables</td><td>4</td></tr>"
                        "<tr><td>Sets representation</td><td>"
                        "<tr><td>1</td><td>" +
                        breakSetList(ones) + "</td></tr><tr><td>0</td><td>" + zeros +
                        "</td></tr><tr><td>*(Don't Cares)</td><td></td></tr></td></tr></table>"),
              std::string::npos);
    EXPECT_EQ(CountOf(text, "<br>"), 2); // one in the 1-set, the one before the formula
}

TEST(ReportText, TruthTableUsesTheMapsNamesAndTheCellTemplates) {
    Analysed a(2, {0, 3});
    a.map.grid.SetVariableName(1, "IN");
    a.map.grid.SetVariableName(2, "EN");
    a.map.Set({1}, ""); // emptied after the analysis: an empty value, not a NUL character
    a.request.content.truthTable = true;
    const std::string text = a.Build(BareTemplates());
    const std::string table =
        "<tr><p align=\"center\">"
        "<TABLE align=\"center\" border=\"1\" bordercolor=\"#C0C0C0\" cellspacing=\"0\" "
        "cellpadding=\"2\" ><TR>\r\n<th>IN</th>\r\n\r\n<th>EN</th>\r\n\r\n<th>F1</th>\r\n\r\n"
        "</TR>\r\n"
        "<TR>\r\n<td>0</td>\r\n\r\n<td>0</td>\r\n\r\n<td class=\"f\">1</td>\r\n\r\n</TR>\r\n"
        "<TR>\r\n<td>0</td>\r\n\r\n<td>1</td>\r\n\r\n<td class=\"f\"></td>\r\n\r\n</TR>\r\n"
        "<TR>\r\n<td>1</td>\r\n\r\n<td>0</td>\r\n\r\n<td class=\"f\">0</td>\r\n\r\n</TR>\r\n"
        "<TR>\r\n<td>1</td>\r\n\r\n<td>1</td>\r\n\r\n<td class=\"f\">1</td>\r\n\r\n</TR>\r\n"
        "</TABLE>\r\n</tr></table>\r\n";
    EXPECT_NE(text.find(table), std::string::npos) << text;
    EXPECT_EQ(text.find('\0'), std::string::npos);
}

TEST(ReportText, MapBesideTheFormulaHasNoColouredCell) {
    Analysed a(3, {2, 3, 5, 7});
    a.request.content.map = true;
    const std::string text = a.Build(BareTemplates());
    EXPECT_NE(text.find(resultSection(Fragment(a.map.grid, -1), "Y(A,B,C)=\"|A*B+A*C")),
              std::string::npos);
    EXPECT_EQ(CountOf(text, "bgcolor=\"#"), 0);
}

TEST(ReportText, ThreeTermsGetOneMapEachWithOnlyTheirCellsColoured) {
    Analysed a(4, {0, 1, 4, 5, 10, 11, 15});
    a.map.grid.TermColor = 0x8000FF; // red 255, green 0, blue 128
    a.request.content.mapEach = true;
    std::vector<int> selected;
    a.request.selectTerm = [&selected](int k) { selected.push_back(k); };
    ASSERT_EQ(a.request.treeLines,
              (std::vector<std::string>{"|A*|C+A*|B*C+A*C*D", "|A*|C", "A*|B*C", "A*C*D"}));

    const std::string text = a.Build(BareTemplates());
    EXPECT_EQ(selected, (std::vector<int>{1, 2, 3}));
    std::string section = "<table cellpadding=\"5\" width=\"100%\" align=\"center\" border=\"1\">";
    for (int k = 1; k <= 3; ++k)
        section += "<tr><td width=\"50%\">" + Fragment(a.map.grid, k - 1) +
                   "</td><td width=\"50%\"><p align=\"center\">Term[" + std::to_string(k) + "]=\"" +
                   a.request.treeLines[static_cast<std::size_t>(k)] + "\"</td></tr>";
    EXPECT_NE(text.find(section + "</table>\r\n"), std::string::npos) << text;
    // |A*|C holds four cells, the two others two each: no cell is coloured twice or elsewhere.
    EXPECT_EQ(CountOf(text, "<TD bgcolor=\"#FF0080\">"), 8);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(CountOf(Fragment(a.map.grid, k), "<TD bgcolor=\"#FF0080\">"),
                  a.map.grid.ResultTerms()[static_cast<std::size_t>(k)].CellCount());
}

TEST(ReportText, ConstantFunctionShowsItsConstant) {
    Analysed a(2, {0, 1, 2, 3});
    ASSERT_EQ(a.map.grid.ResultText, "");
    EXPECT_NE(a.Build(BareTemplates()).find("Y(A,B)=\"1\""), std::string::npos);
}

TEST(ReportText, NamesAndCaptionsAreWrittenAsHtmlText) {
    Analysed a(2, {0});
    a.map.grid.SetVariableName(1, "X<Y");
    a.request.treeLines = {"X<Y", "X<Y"};
    a.request.content.mapEach = true;
    const std::string text = a.Build(BareTemplates());
    EXPECT_NE(text.find("Y(X&lt;Y,B)="), std::string::npos);
    EXPECT_NE(text.find("Term[1]=\"X&lt;Y\""), std::string::npos);
    EXPECT_EQ(text.find("X<Y"), std::string::npos);
}

TEST(ReportText, BadCellTemplateDirectiveIsAnErrorAndBuildsNothing) {
    Analysed a(3, {1});
    a.request.content.truthTable = true;
    ReportTemplates templates = BareTemplates();
    templates.variableCell = {"<td>%d</td>"};
    std::string text = "untouched";
    const auto error = buildReportText(a.map.grid, a.request, templates, text);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("cannot be used"), std::string::npos) << *error;
    EXPECT_EQ(text, "untouched");
}

TEST(ReportText, LineEndsOfTemplateAndSectionsBecomeCrLf) {
    Analysed a(2, {0});
    a.request.content.map = true;
    ReportTemplates templates = BareTemplates();
    templates.page = {"<html>", "<%FUNCTION%>", "<%RESULTS%>", "<%ADVDETAILES%>", "</html>"};
    const std::string text = a.Build(templates);
    EXPECT_EQ(text.rfind("<html>\r\n", 0), 0U);
    EXPECT_EQ(text.substr(text.size() - 9), "</html>\r\n");
    EXPECT_EQ(CountOf(text, "\n"), CountOf(text, "\r\n"));
    EXPECT_EQ(CountOf(text, "\r"), CountOf(text, "\r\n"));
}

// --- placeholders and set lists ---------------------------------------------------------------

TEST(Placeholder, TakesTheFollowingCharacterWithIt) {
    EXPECT_EQ(replacePlaceholder("a<%RESULTS%>\r\nb", "<%RESULTS%>", "R"), "aR\nb");
    EXPECT_EQ(replacePlaceholder("<%RESULTS%>Xtext", "<%RESULTS%>", "R"), "Rtext");
    EXPECT_EQ(replacePlaceholder("end<%RESULTS%>", "<%RESULTS%>", "R"), "endR");
    EXPECT_EQ(replacePlaceholder("<%RESULTS%>1<%RESULTS%>2", "<%RESULTS%>", "R"), "R<%RESULTS%>2");
    EXPECT_EQ(replacePlaceholder("no slot", "<%RESULTS%>", "R"), "no slot");
}

TEST(Placeholder, TextRightAfterItLosesOneCharacterInTheReport) {
    const Analysed a(2, {0});
    ReportTemplates templates = BareTemplates();
    templates.page = {"<%FUNCTION%>Xfunction", "<%RESULTS%>", "<%ADVDETAILES%>"};
    EXPECT_NE(a.Build(templates).find("</table>function\r\n"), std::string::npos);
}

struct BreakCase {
    std::string list;
    std::string broken;
};

class SetListBreaking : public testing::TestWithParam<BreakCase> {};

TEST_P(SetListBreaking, InsertsBreaksAfterCommasPastEachTwentiethCharacter) {
    EXPECT_EQ(breakSetList(GetParam().list), GetParam().broken);
}

std::string Numbers(int last) {
    std::string list;
    for (int i = 0; i <= last; ++i)
        list += (i ? "," : "") + std::to_string(i);
    return list;
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SetListBreaking,
    testing::Values(BreakCase{Numbers(13), "0,1,2,3,4,5,6,7,8,9,<br>10,11,12,13"},
                    BreakCase{Numbers(39), "0,1,2,3,4,5,6,7,8,9,<br>10,11,12,13,14,15,<br>"
                                           "16,17,18,19,20,<br>21,22,23,24,25,<br>"
                                           "26,27,28,29,30,31,<br>32,33,34,35,36,<br>37,38,39"},
                    BreakCase{"0,4,1,5,3,7,2,6", "0,4,1,5,3,7,2,6"},
                    BreakCase{"10,11,12,13,14,15,16", "10,11,12,13,14,15,16"},
                    BreakCase{"1,100000000000000000000000000000,2",
                              "1,100000000000000000000000000000,<br>2"},
                    BreakCase{"", ""}));

// --- files ------------------------------------------------------------------------------------

class ReportFiles : public testing::Test {
protected:
    void SetUp() override {
        m_dir =
            fs::temp_directory_path() /
            ("lorvane_report_" + std::to_string(testing::UnitTest::GetInstance()->random_seed()) +
             "_" + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "Reports" / "Include");
        Put("Reports/Include/report.inc", "<html>\r\n<%FUNCTION%>\r\n<%RESULTS%>\r\n"
                                          "<%ADVDETAILES%>\r\n</html>\r\n");
        Put("Reports/Include/ttcell1.inc", "<th>%s</th>\r\n");
        Put("Reports/Include/ttcell2.inc", "<td>%s</td>\r\n");
        Put("Reports/Include/ttcell3.inc", "<td>%s</td>\r\n");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void Put(const std::string& relative, const std::string& bytes) const {
        ASSERT_FALSE(writeFileAtomically((m_dir / relative).string(), bytes).has_value());
    }
    [[nodiscard]] std::string Folder() const { return m_dir.string() + "/"; }
    [[nodiscard]] std::string Report() const {
        return readWholeFile((m_dir / "Reports" / "report.htm").string()).value_or("<none>");
    }
    [[nodiscard]] ReportResult Generate(const ReportContent& content) const {
        ReportRequest request = m_analysed.request;
        request.content = content;
        request.programFolder = Folder();
        return generateReport(m_analysed.map.grid, request);
    }

    fs::path m_dir;
    Analysed m_analysed{3, {2, 3, 5, 7}};
};

TEST_F(ReportFiles, WritesTheReportBelowTheProgramFolder) {
    const ReportResult result = Generate({true, true, true, true});
    ASSERT_FALSE(result.error.has_value()) << *result.error;
    EXPECT_EQ(fs::path(result.path), m_dir / "Reports" / "report.htm");
    std::string expected;
    ReportTemplates templates;
    ASSERT_FALSE(loadReportTemplates(Folder(), true, templates).has_value());
    ReportRequest request = m_analysed.request;
    request.content = {true, true, true, true};
    ASSERT_FALSE(buildReportText(m_analysed.map.grid, request, templates, expected).has_value());
    EXPECT_EQ(Report(), expected);
    EXPECT_EQ(CountOf(Report(), "Term["), 2);
}

TEST_F(ReportFiles, GeneratingTwiceOverwritesTheSameFile) {
    ASSERT_FALSE(Generate({true, true, true, true}).error.has_value());
    const std::string first = Report();
    ASSERT_FALSE(Generate({}).error.has_value());
    EXPECT_LT(Report().size(), first.size());
    EXPECT_EQ(Report().find("Term["), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir / "Reports"), fs::directory_iterator()),
              2); // Include and report.htm, no temporary file left behind
}

TEST_F(ReportFiles, MissingPageTemplateIsAnErrorAndWritesNothing) {
    ASSERT_FALSE(Generate({}).error.has_value());
    const std::string earlier = Report();
    fs::remove(m_dir / "Reports" / "Include" / "report.inc");
    const ReportResult result = Generate({true, true, true, true});
    ASSERT_TRUE(result.error.has_value());
    EXPECT_NE(result.error->find("report.inc"), std::string::npos) << *result.error;
    EXPECT_EQ(Report(), earlier);
}

TEST_F(ReportFiles, MissingCellTemplateMattersOnlyWithTheTruthTable) {
    fs::remove(m_dir / "Reports" / "Include" / "ttcell3.inc");
    EXPECT_FALSE(Generate({false, true, true, true}).error.has_value());
    fs::remove(m_dir / "Reports" / "report.htm");
    const ReportResult result = Generate({true, false, false, false});
    ASSERT_TRUE(result.error.has_value());
    EXPECT_NE(result.error->find("ttcell3.inc"), std::string::npos) << *result.error;
    EXPECT_FALSE(fs::exists(m_dir / "Reports" / "report.htm"));
}

TEST_F(ReportFiles, BadDirectiveInACellTemplateWritesNothing) {
    Put("Reports/Include/ttcell1.inc", "<th>%s of %s</th>\r\n");
    const ReportResult result = Generate({true, false, false, false});
    ASSERT_TRUE(result.error.has_value());
    EXPECT_FALSE(fs::exists(m_dir / "Reports" / "report.htm"));
}

TEST_F(ReportFiles, UnwritableOutputIsAnError) {
    Put("blocker", "a file where a folder should be");
    ReportRequest request = m_analysed.request;
    request.programFolder = Folder();
    request.outputPath = (m_dir / "blocker" / "report.htm").string();
    const ReportResult result = generateReport(m_analysed.map.grid, request);
    ASSERT_TRUE(result.error.has_value());
    EXPECT_NE(result.error->find("blocker"), std::string::npos) << *result.error;
}

TEST_F(ReportFiles, AnotherOutputFolderIsCreatedWhenMissing) {
    ReportRequest request = m_analysed.request;
    request.programFolder = Folder();
    request.outputPath = (m_dir / "user" / "data" / "report.htm").string();
    const ReportResult result = generateReport(m_analysed.map.grid, request);
    ASSERT_FALSE(result.error.has_value()) << *result.error;
    EXPECT_EQ(result.path, request.outputPath);
    EXPECT_TRUE(fs::exists(request.outputPath));
    EXPECT_FALSE(fs::exists(m_dir / "Reports" / "report.htm"));
}

TEST_F(ReportFiles, TemplatesAndReportFolderAreFoundWhateverTheirLetterCase) {
    fs::rename(m_dir / "Reports", m_dir / "reports");
    fs::rename(m_dir / "reports" / "Include", m_dir / "reports" / "INCLUDE");
    fs::rename(m_dir / "reports" / "INCLUDE" / "report.inc",
               m_dir / "reports" / "INCLUDE" / "Report.Inc");
    const ReportResult result = Generate({true, false, false, false});
    ASSERT_FALSE(result.error.has_value()) << *result.error;
    EXPECT_EQ(fs::path(result.path), m_dir / "reports" / "report.htm");
    EXPECT_EQ(resolveProgramPath(Folder(), "Reports\\Include\\REPORT.inc"),
              (m_dir / "reports" / "INCLUDE" / "Report.Inc").string());
    EXPECT_EQ(resolveProgramPath(Folder(), "Reports/missing.inc"),
              (m_dir / "reports" / "missing.inc").string());
}

TEST_F(ReportFiles, TemplatesWithOtherLineEndsOrAByteOrderMarkReadTheSame) {
    Put("Reports/Include/report.inc", "\xEF\xBB\xBF<html>\n<%FUNCTION%>\n<%RESULTS%>\r"
                                      "<%ADVDETAILES%>\n</html>");
    ASSERT_FALSE(Generate({}).error.has_value());
    const std::string lf = Report();
    Put("Reports/Include/report.inc", "<html>\r\n<%FUNCTION%>\r\n<%RESULTS%>\r\n"
                                      "<%ADVDETAILES%>\r\n</html>\r\n");
    ASSERT_FALSE(Generate({}).error.has_value());
    EXPECT_EQ(lf, Report());
}

// --- the templates the program ships --------------------------------------------------------

TEST(ShippedTemplates, HoldEachPlaceholderOnceAtALineEndAndFormatCells) {
    ReportTemplates templates;
    ASSERT_FALSE(loadReportTemplates(LORVANE_DATA "/", true, templates).has_value());
    const std::string page = readWholeFile(LORVANE_DATA "/Reports/Include/report.inc").value_or("");
    for (const char* placeholder : {"<%FUNCTION%>", "<%RESULTS%>", "<%ADVDETAILES%>"}) {
        EXPECT_EQ(CountOf(page, placeholder), 1) << placeholder;
        EXPECT_NE(page.find(std::string(placeholder) + "\r\n"), std::string::npos) << placeholder;
    }
    EXPECT_EQ(CountOf(page, "\n"), CountOf(page, "\r\n"));

    Analysed a(3, {2, 3, 5, 7});
    a.request.content = {true, true, true, true};
    const std::string text = a.Build(templates);
    EXPECT_EQ(text.find("<%"), std::string::npos);
    EXPECT_NE(text.find("<meta charset=\"utf-8\">"), std::string::npos);
}

} // namespace
