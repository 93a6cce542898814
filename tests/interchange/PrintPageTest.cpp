// Printed pages and the steps in the report: what goes on which page, and the report section.
#include "interchange/PrintPage.h"
#include "TestSupport.h"
#include "reports/Report.h"

#include <gtest/gtest.h>

namespace {

/// A map analysed from its 1-set.
struct Analysed {
    TestMap map;
    Analysed(int variables, const std::vector<int>& ones) : map(variables) {
        map.Set(ones, "1");
        map.Analyze();
    }
};

TEST(PrintPages, MapResultAndStepsFitOnOneA4Page) {
    Analysed a(4, {0, 2, 5, 7, 8, 10, 13, 15});
    const auto steps = explainResult(a.map.grid, a.map.grid.ResultTerms(), StepsSource::Gluing);
    ASSERT_TRUE(steps);
    PrintRequest request;
    request.picture = {true, true};
    request.result = a.map.grid.ResultText;
    request.steps = &*steps;
    const std::vector<std::string> pages = printPages(a.map.grid, request);
    ASSERT_EQ(pages.size(), 1U);
    const std::string& page = pages.front();
    for (const char* part :
         {"width=\"210mm\" height=\"297mm\" viewBox=\"0 0 794 1123\"", "<title>|B*|D</title>",
          ">Y(A,B,C,D)=B*D+|B*|D</text>", ">Essential terms</text>",
          ">|B*|D is essential: only it covers 0, 2, 8, 10.</text>", ">15</text>"})
        EXPECT_NE(page.find(part), std::string::npos) << part;
    EXPECT_EQ(page.find(" / "), std::string::npos) << "a single page has no number";
}

TEST(PrintPages, LongStepsGoOnOverNumberedPages) {
    TestMap map(8);
    for (int m = 0; m < 256; m += 3)
        map.Set({m}, "1");
    map.Set({1, 200}, "*");
    map.Analyze();
    const auto steps = explainResult(map.grid, map.grid.ResultTerms(), StepsSource::Gluing);
    ASSERT_TRUE(steps);
    PrintRequest request;
    request.result = map.grid.ResultText;
    request.steps = &*steps;
    const std::vector<std::string> pages = printPages(map.grid, request);
    ASSERT_GE(pages.size(), 2U);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_NE(pages[i].find(">" + std::to_string(i + 1) + " / " + std::to_string(pages.size()) +
                                "</text>"),
                  std::string::npos);
        EXPECT_EQ(CountOf(pages[i], "<svg "), 1);
    }
    EXPECT_EQ(CountOf(pages.front(), "<g transform="), 1) << "the map is on the first page";
    EXPECT_NE(pages.back().find("The result is"), std::string::npos);
    // Nothing overlong: the widest line has room on the page at the text's size.
    PrintRequest bare;
    EXPECT_EQ(printPages(map.grid, bare).size(), 1U);
}

TEST(PrintPages, TextIsEscapedAndTheMapWithoutOptionsHasNoNumbers) {
    Analysed a(2, {0});
    a.map.grid.SetVariableName(1, "A<B");
    PrintRequest request;
    request.result = "|A<B*|B";
    const std::string page = printPages(a.map.grid, request).front();
    EXPECT_NE(page.find("Y(A&lt;B,B)=|A&lt;B*|B"), std::string::npos);
    EXPECT_EQ(page.find("A<B"), std::string::npos);
    EXPECT_EQ(mapSvg(a.map.grid, MapPictureOptions{}), mapSvg(a.map.grid, false));
    EXPECT_EQ(CountOf(mapSvg(a.map.grid, MapPictureOptions{false, true}), "fill=\"#707070\""), 4);
}

TEST(ReportSteps, SectionOnlyWithTheSwitchAndInsideItsTemplate) {
    Analysed a(3, {0, 1, 3});
    ReportRequest request;
    request.treeLines = {a.map.grid.ResultText};
    ReportTemplates templates;
    templates.page = {"<%FUNCTION%>", "<%RESULTS%>", "<%ADVDETAILES%>"};
    std::string off;
    ASSERT_FALSE(buildReportText(a.map.grid, request, templates, off));
    EXPECT_EQ(off.find("essential"), std::string::npos);

    request.content.steps = true;
    templates.steps = {"<div class=\"steps\">", "<%STEPS%>", "</div>"};
    std::string on;
    ASSERT_FALSE(buildReportText(a.map.grid, request, templates, on));
    EXPECT_NE(on.find("<div class=\"steps\">\r\n<table"), std::string::npos);
    EXPECT_NE(on.find("<p>|A*|B is essential: only it covers 0.</p>"), std::string::npos);
    EXPECT_EQ(on.substr(0, off.size() - 2), off.substr(0, off.size() - 2));

    a.map.Set({2}, "1"); // the result no longer covers the map
    std::string stale;
    ASSERT_FALSE(buildReportText(a.map.grid, request, templates, stale));
    EXPECT_NE(stale.find("analyze it again"), std::string::npos);
}

} // namespace
