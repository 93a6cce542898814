// The report as the viewer gets it: tables repaired as browsers repair them, map cells on one
// line in a readable colour, everything else copied.
#include "reports/ReportDisplay.h"

#include <gtest/gtest.h>

namespace {

struct Repair {
    const char* name;
    const char* page;
    const char* shown;
};

class ReportDisplayRepair : public ::testing::TestWithParam<Repair> {};

TEST_P(ReportDisplayRepair, GivesTheStructureABrowserBuilds) {
    EXPECT_EQ(reportForViewer(GetParam().page), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ReportDisplayRepair,
    ::testing::Values(
        Repair{"wellFormedStaysAsItIs", "<p>x</p><table><tr><td>a</td></tr></table>",
               "<p>x</p><table><tr><td>a</td></tr></table>"},
        // The sets rows open inside a cell and end twice; the truth table stands in a row
        // without a cell: it ends the function table and follows it, its paragraph before.
        Repair{"setsAndTruthTable",
               "<table><tr><td>Sets</td><td><tr><td>1</td><td>1,2</td></tr></td></tr>"
               "<tr><p align=\"center\"><TABLE border=\"1\"><TR><TH>A</TH></TR></TABLE>\r\n"
               "</tr></table>\r\n</div>",
               "<p align=\"center\"><table><tr><td>Sets</td><td></td></tr><tr><td>1</td>"
               "<td>1,2</td></tr></table><TABLE border=\"1\"><TR><TH>A</TH></TR></TABLE>\r\n"
               "\r\n</div>"},
        Repair{"aCellOutsideARowOpensOne", "<table><td>a<td>b</table>",
               "<table><tr><td>a</td><td>b</td></tr></table>"},
        Repair{"aNestedTableStaysInItsCell",
               "<table><tr><td><table><tr><td>in</td></tr></table></td></tr></table>",
               "<table><tr><td><table><tr><td>in</td></tr></table></td></tr></table>"},
        Repair{"styleAndCommentsAreCopied",
               "<style>td > p { x: \"<tr>\" }</style><table><!-- <td> --><tr><td>a</tr></table>",
               "<style>td > p { x: \"<tr>\" }</style><table><!-- <td> --><tr><td>a</td></tr>"
               "</table>"},
        Repair{"aWideMapLeavesTheCellBesideItToTheNextRow",
               "<table><tr><td><table><tr><td>1</td><td>2</td><td>3</td><td>4</td><td>5</td>"
               "<td>6</td><td>7</td><td>8</td><td>9</td><td>10</td></tr></table></td>"
               "<td>Y</td></tr></table>",
               "<table><tr><td><table><tr><td>1</td><td>2</td><td>3</td><td>4</td><td>5</td>"
               "<td>6</td><td>7</td><td>8</td><td>9</td><td>10</td></tr></table></td></tr>"
               "<tr><td>Y</td></tr></table>"},
        Repair{"aNarrowMapKeepsItsNeighbour",
               "<table><tr><td><table><tr><td>1</td><td>2</td><td>3</td><td>4</td><td>5</td>"
               "<td>6</td><td>7</td><td>8</td><td>9</td></tr><tr><td>1</td><td>2</td><td>3</td>"
               "<td>4</td><td>5</td><td>6</td><td>7</td><td>8</td><td>9</td><td>10</td></tr>"
               "</table></td><td>Y</td></tr></table>",
               "<table><tr><td><table><tr><td>1</td><td>2</td><td>3</td><td>4</td><td>5</td>"
               "<td>6</td><td>7</td><td>8</td><td>9</td></tr><tr><td>1</td><td>2</td><td>3</td>"
               "<td>4</td><td>5</td><td>6</td><td>7</td><td>8</td><td>9</td><td>10</td></tr>"
               "</table></td><td>Y</td></tr></table>"},
        Repair{"anUnfinishedCellTagStaysAsItIs",
               "<table><tr><td bgcolor=", "<table><tr><td bgcolor="},
        Repair{"anEmptyRowAndStrayEndTagsGo",
               "</td><table><tr></tr><tr><td>a</td></tr></table></tr>",
               "<table><tr><td>a</td></tr></table>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportDisplay, MapCellsStayOnOneLineInAReadableColour) {
    EXPECT_EQ(reportForViewer("<table><tr><TD bgcolor=\"#000000\"><p align=\"center\">1</TD>"
                              "<td bgcolor=white>A B \\ C D </td><td>Y</td></tr></table>"),
              "<table><tr><TD bgcolor=\"#000000\" style=\"white-space:nowrap;color:#ffffff;\">"
              "<p align=\"center\">1</TD><td bgcolor=white "
              "style=\"white-space:nowrap;color:#000000;\">A B \\ C D </td><td>Y</td></tr>"
              "</table>");
    EXPECT_EQ(reportForViewer("<table><tr><td bgcolor=\"chartreuse\">x</td></tr></table>"),
              "<table><tr><td bgcolor=\"chartreuse\" style=\"white-space:nowrap;\">x</td></tr>"
              "</table>");
}

TEST(ReportDisplay, TextColourContrastsWithTheBackground) {
    const std::pair<const char*, const char*> cases[] = {
        {"#000000", "#ffffff"}, {"#FFFFFF", "#000000"}, {"gray", "#000000"},
        {"#0000FF", "#ffffff"}, {"#ff0", "#000000"},    {"navy", "#ffffff"},
        {"#C0C0C0", "#000000"}, {"#800000", "#ffffff"}};
    for (const auto& [background, text] : cases)
        EXPECT_EQ(readableTextColor(background), std::optional<std::string>(text)) << background;
    for (const char* unknown : {"", "#12345", "#GGGGGG", "rgb(0,0,0)"})
        EXPECT_FALSE(readableTextColor(unknown)) << unknown;
}

} // namespace
