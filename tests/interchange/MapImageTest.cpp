// Map images: runs and pieces of groups, well-formed SVG, the TikZ drawing, files by extension.
#include "interchange/MapImage.h"
#include "TestSupport.h"
#include "interchange/Notation.h"
#include "support/FileWriter.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <random>

namespace {

/// Checks the markup of an XML document: one root element, every element closed in order,
/// attribute values quoted, only the five predefined entities. Counts the elements by name.
class TagChecker {
public:
    /// The first problem found, or an empty text for a well-formed document.
    std::string Check(const std::string& xml) {
        m_xml = xml;
        m_at = 0;
        if (m_xml.rfind("<?xml", 0) == 0)
            m_at = m_xml.find("?>") + 2;
        int roots = 0;
        std::vector<std::string> open;
        while (m_at < m_xml.size()) {
            const std::size_t lt = m_xml.find('<', m_at);
            if (auto problem = TextProblem(m_xml.substr(m_at, lt - m_at), open.empty());
                !problem.empty())
                return problem;
            if (lt == std::string::npos)
                break;
            m_at = lt + 1;
            if (m_xml[m_at] == '/') {
                const std::size_t gt = m_xml.find('>', m_at);
                const std::string name = m_xml.substr(m_at + 1, gt - m_at - 1);
                if (open.empty() || open.back() != name)
                    return "</" + name + "> closes nothing open";
                open.pop_back();
                m_at = gt + 1;
                continue;
            }
            roots += open.empty() ? 1 : 0;
            std::string name;
            bool selfClosing = false;
            if (auto problem = Element(name, selfClosing); !problem.empty())
                return problem;
            ++counts[name];
            if (!selfClosing)
                open.push_back(name);
        }
        if (!open.empty())
            return "<" + open.back() + "> is not closed";
        return roots == 1 ? "" : std::to_string(roots) + " root elements";
    }

    std::map<std::string, int> counts;

private:
    static bool IsNameChar(char ch) {
        return std::isalnum(static_cast<unsigned char>(ch)) || ch == '-' || ch == '_' || ch == ':';
    }

    static std::string TextProblem(const std::string& text, bool outsideRoot) {
        if (outsideRoot && text.find_first_not_of(" \n") != std::string::npos)
            return "text outside the root element";
        for (std::size_t amp = text.find('&'); amp != std::string::npos;
             amp = text.find('&', amp + 1)) {
            bool known = false;
            for (const char* entity : {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"})
                known = known || text.compare(amp, std::string(entity).size(), entity) == 0;
            if (!known)
                return "bare & in " + text;
        }
        return "";
    }

    /// Reads an opening tag after its "<": the name, then quoted attributes up to ">" or "/>".
    std::string Element(std::string& name, bool& selfClosing) {
        while (m_at < m_xml.size() && IsNameChar(m_xml[m_at]))
            name += m_xml[m_at++];
        if (name.empty())
            return "a tag without a name";
        for (;;) {
            while (m_at < m_xml.size() && (m_xml[m_at] == ' ' || m_xml[m_at] == '\n'))
                ++m_at;
            if (m_xml.compare(m_at, 2, "/>") == 0) {
                selfClosing = true;
                m_at += 2;
                return "";
            }
            if (m_at < m_xml.size() && m_xml[m_at] == '>') {
                ++m_at;
                return "";
            }
            std::string attribute;
            while (m_at < m_xml.size() && IsNameChar(m_xml[m_at]))
                attribute += m_xml[m_at++];
            if (attribute.empty() || m_xml.compare(m_at, 2, "=\"") != 0)
                return "attribute without a quoted value in <" + name + ">";
            const std::size_t close = m_xml.find('"', m_at + 2);
            const std::string value = m_xml.substr(m_at + 2, close - m_at - 2);
            if (close == std::string::npos || value.find('<') != std::string::npos)
                return "bad value of " + attribute + " in <" + name + ">";
            if (auto problem = TextProblem(value, false); !problem.empty())
                return problem;
            m_at = close + 1;
        }
    }

    std::string m_xml;
    std::size_t m_at = 0;
};

/// The number of moves in the outlines of all paths: one per unbroken line drawn.
std::size_t PathMoves(const std::string& svg) {
    std::size_t moves = 0;
    for (std::size_t at = svg.find(" d=\""); at != std::string::npos;
         at = svg.find(" d=\"", at + 1)) {
        const std::size_t end = svg.find('"', at + 4);
        moves += static_cast<std::size_t>(CountOf(svg.substr(at + 4, end - at - 4), "M"));
    }
    return moves;
}

// --- runs and pieces -----------------------------------------------------------------------

struct RunCase {
    std::vector<bool> marked;
    std::vector<AxisRun> runs;
};

class AxisRuns : public testing::TestWithParam<RunCase> {};

TEST_P(AxisRuns, JoinRoundTheEdge) {
    EXPECT_EQ(axisRuns(GetParam().marked), GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    MapImage, AxisRuns,
    testing::Values(RunCase{{true, true, false, false}, {{1, 2, false, false}}},
                    RunCase{{false, true, true, false}, {{2, 3, false, false}}},
                    RunCase{{true, true, true, true}, {{1, 4, false, false}}},
                    RunCase{{true, false, false, true}, {{1, 1, true, false}, {4, 4, false, true}}},
                    RunCase{{true, true}, {{1, 2, false, false}}},
                    RunCase{{false, false, false, false}, {}},
                    // Positions 1, 4, 5, 8 of eight: one variable fixed, cut into three pieces.
                    RunCase{{true, false, false, true, true, false, false, true},
                            {{1, 1, true, false}, {4, 5, false, false}, {8, 8, false, true}}}));

TEST(MapImage, TheFourCornersAreFourOpenPieces) {
    TestMap map(4);
    map.FillAll("0");
    map.Set({0, 2, 8, 10}, "1");
    map.Analyze();
    ASSERT_EQ(map.grid.ResultText, "|B*|D");
    const std::vector<GroupPiece> pieces = groupPieces(map.grid, map.grid.ResultTerms()[0]);
    ASSERT_EQ(pieces.size(), 4U);
    EXPECT_EQ(pieces[0].rows, (AxisRun{1, 1, true, false}));
    EXPECT_EQ(pieces[0].cols, (AxisRun{1, 1, true, false}));
    EXPECT_EQ(pieces[3].rows, (AxisRun{4, 4, false, true}));
    EXPECT_EQ(pieces[3].cols, (AxisRun{4, 4, false, true}));
}

// --- SVG ----------------------------------------------------------------------------------

TEST(MapImage, SvgOfAnEightVariableMapWithAllGroupsIsWellFormed) {
    TestMap map(8);
    map.grid.AnalyzeFormulaString("A*B+|C*D*E+F*|G*H+|A*|H*|E");
    map.Analyze();
    const std::size_t terms = map.grid.ResultTerms().size();
    ASSERT_GT(terms, 5U);
    const std::string svg = mapSvg(map.grid, true);
    TagChecker checker;
    EXPECT_EQ(checker.Check(svg), "");
    EXPECT_EQ(checker.counts["svg"], 1);
    EXPECT_EQ(checker.counts["g"], static_cast<int>(terms));
    // 256 values, 32 labels, the two name texts of the corner and one legend line per group.
    EXPECT_EQ(checker.counts["text"], 256 + 32 + 2 + static_cast<int>(terms));
    const auto cubes = resultCubes(map.grid);
    ASSERT_TRUE(cubes.has_value());
    for (const Cube& cube : *cubes)
        EXPECT_NE(svg.find("<title>" + termAs(map.grid, cube, Notation::Plain) + "</title>"),
                  std::string::npos)
            << cube.Text(map.grid.GetVariableCount());
    EXPECT_NE(svg.find(">ABCD</text>"), std::string::npos);
    EXPECT_NE(svg.find(">EFGH</text>"), std::string::npos);
    EXPECT_NE(svg.find(">1000</text>"), std::string::npos);
}

TEST(MapImage, SvgEscapesNamesAndCellsAndDrawsGroupsOnlyWhenAsked) {
    TestMap map(3);
    map.grid.SetVariableName(1, "A<&>");
    map.grid.SetVariableName(2, "B\"");
    map.grid.SetCells(1, 1, "1");
    map.grid.SetCells(2, 1, "1");
    map.Analyze();
    map.grid.SetCells(4, 2, "&");
    const std::string svg = mapSvg(map.grid, true);
    TagChecker checker;
    EXPECT_EQ(checker.Check(svg), "");
    EXPECT_NE(svg.find(">A&lt;&amp;&gt;</text>"), std::string::npos);
    EXPECT_NE(svg.find(">B&quot;,C</text>"), std::string::npos);
    EXPECT_EQ(checker.counts["g"], 1);

    TagChecker plain;
    EXPECT_EQ(plain.Check(mapSvg(map.grid, false)), "");
    EXPECT_EQ(plain.counts["g"], 0);
    EXPECT_EQ(plain.counts["path"], 0);
    EXPECT_EQ(plain.counts["text"], 8 + 6 + 2);
}

TEST(MapImage, OpenPiecesLeaveTheirOutlineOpenAtTheEdge) {
    TestMap map(2);
    map.Set({0, 1}, "1");
    map.Analyze();
    // A closed group: every path of its outline is one unbroken line.
    EXPECT_EQ(PathMoves(mapSvg(map.grid, true)), 2U);

    TestMap wrap(4);
    wrap.Set({0, 2, 8, 10}, "1");
    wrap.Analyze();
    // Four corner pieces, each filled (one move) and outlined with its two open sides skipped.
    const std::string svg = mapSvg(wrap.grid, true);
    EXPECT_EQ(CountOf(svg, "<path"), 8);
    EXPECT_EQ(PathMoves(svg), 4U + 4U * 3U);
}

// --- TikZ ---------------------------------------------------------------------------------

TEST(MapImage, TikzOfATwoVariableMap) {
    TestMap map(2);
    map.Set({0, 1}, "1");
    map.Set({3}, "*");
    map.Analyze();
    EXPECT_EQ(
        mapTikz(map.grid, true),
        "% Karnaugh map of 2 variables; needs \\usepackage{tikz}. Change x and y to scale it.\n"
        "\\begin{tikzpicture}[x=0.8cm, y=-0.8cm]\n"
        "  \\fill[gray!12] (-1.2,-1.2) rectangle (2,0);\n"
        "  \\fill[gray!12] (-1.2,0) rectangle (0,2);\n"
        "  \\draw[gray!70, step=1] (0,0) grid (2,2);\n"
        "  \\draw (-1.2,0) -- (2,0) (0,-1.2) -- (0,2);\n"
        "  \\draw[gray] (-1.2,-1.2) -- (0,0);\n"
        "  \\draw[semithick] (-1.2,-1.2) rectangle (2,2);\n"
        "  \\node[anchor=north east, inner sep=2pt] at (0,-1.2) {$B$};\n"
        "  \\node[anchor=south west, inner sep=2pt] at (-1.2,0) {$A$};\n"
        "  \\node[font=\\footnotesize] at (0.5,-0.35) {0};\n"
        "  \\node[font=\\footnotesize] at (1.5,-0.35) {1};\n"
        "  \\node[font=\\footnotesize] at (-0.6,0.5) {0};\n"
        "  \\node[font=\\footnotesize] at (-0.6,1.5) {1};\n"
        "  \\definecolor{lvgroup1}{RGB}{220,20,60}\n"
        "  \\fill[lvgroup1, fill opacity=0.14] (0.3,0.08) -- (1.7,0.08) .. controls (1.92,0.08) .. "
        "(1.92,0.3) -- (1.92,0.7) .. controls (1.92,0.92) .. (1.7,0.92) -- (0.3,0.92) .. controls "
        "(0.08,0.92) .. (0.08,0.7) -- (0.08,0.3) .. controls (0.08,0.08) .. (0.3,0.08) -- cycle;\n"
        "  \\draw[lvgroup1, line width=1.2pt, line cap=round] (0.3,0.08) -- (1.7,0.08) .. controls "
        "(1.92,0.08) .. (1.92,0.3) -- (1.92,0.7) .. controls (1.92,0.92) .. (1.7,0.92) -- "
        "(0.3,0.92) .. controls (0.08,0.92) .. (0.08,0.7) -- (0.08,0.3) .. controls (0.08,0.08) .. "
        "(0.3,0.08);\n"
        "  \\node at (0.5,0.5) {$1$};\n"
        "  \\node at (0.5,1.5) {$0$};\n"
        "  \\node at (1.5,0.5) {$1$};\n"
        "  \\node at (1.5,1.5) {$*$};\n"
        "  \\node[anchor=west] at (-1.2,2.5) "
        "{\\textcolor{lvgroup1}{\\rule{0.8em}{0.8em}}~$\\overline{A}$};\n"
        "\\end{tikzpicture}\n");
}

TEST(MapImage, TikzOfAWrappingGroupHasOpenPieces) {
    TestMap map(4);
    map.Set({0, 2, 8, 10}, "1");
    map.Analyze();
    const std::string tikz = mapTikz(map.grid, true);
    EXPECT_EQ(CountOf(tikz, "\\fill[lvgroup1"), 4);
    // The top-left piece starts at the map's corner and stops short of its inner corner.
    EXPECT_NE(tikz.find("\\draw[lvgroup1, line width=1.2pt, line cap=round] (0,0) (0.92,0) -- "
                        "(0.92,0.7) .. controls (0.92,0.92) .. (0.7,0.92) -- (0,0.92) (0,0);"),
              std::string::npos)
        << tikz;
    EXPECT_EQ(CountOf(mapTikz(map.grid, false), "lvgroup"), 0);
}

// --- files --------------------------------------------------------------------------------

TEST(MapImage, FilesAreWrittenByTheirExtension) {
    ScratchFolder folder("map_image");
    TestMap map(3);
    map.Set({1}, "1");
    map.Analyze();
    ASSERT_TRUE(saveMapImage(map.grid, folder.Path("m.svg"), true));
    EXPECT_EQ(readWholeFile(folder.Path("m.svg")), mapSvg(map.grid, true));
    ASSERT_TRUE(saveMapImage(map.grid, folder.Path("m.TeX"), false));
    EXPECT_EQ(readWholeFile(folder.Path("m.TeX")), mapTikz(map.grid, false));
    EXPECT_EQ(mapImageFormatOf("a.b.SVG"), MapImageFormat::Svg);
    EXPECT_FALSE(mapImageFormatOf("svg").has_value());
    EXPECT_EQ(map.messages.Texts(), (std::vector<std::string>{"Analyze Complete."}));

    for (const char* name : {"m.png", "m", "m.svgz"}) {
        map.messages.shown.clear();
        EXPECT_FALSE(saveMapImage(map.grid, folder.Path(name), true)) << name;
        EXPECT_EQ(map.messages.Texts(),
                  (std::vector<std::string>{
                      "Unknown image type: the file name must end in .svg or .tex."}));
        EXPECT_FALSE(readWholeFile(folder.Path(name)).has_value());
    }
    EXPECT_FALSE(saveMapImage(map.grid, folder.Path("no/such/m.svg"), true));
}

// --- hostile texts -----------------------------------------------------------------------------

/// A random text of up to 14 characters drawn from ASCII, markup characters, multibyte
/// characters, control characters and bytes that are not UTF-8.
std::string HostileText(std::mt19937& random) {
    static const char* const kPieces[] = {"A",
                                          "z",
                                          "<",
                                          "&",
                                          "\"",
                                          "'",
                                          "]]>",
                                          "\\",
                                          "\xC3\xA4",
                                          "\xE2\x82\xAC",
                                          "\xF0\x9F\x98\x80",
                                          "\x01",
                                          "\t",
                                          "\x7F",
                                          "\xC2\x85",
                                          "\xFF",
                                          "\xC3",
                                          "\xEF\xBF\xBE",
                                          "\xED\xA0\x80"};
    std::string text;
    const std::size_t length = 1 + random() % 14;
    for (std::size_t i = 0; i < length; ++i)
        text += kPieces[random() % std::size(kPieces)];
    return text;
}

TEST(MapImage, SvgIsWellFormedXmlForAnyNameAndCellText) {
    if (!ToolInstalled("xmllint"))
        GTEST_SKIP() << "xmllint is needed (scripts/deps.sh installs libxml2-utils)";
    ScratchFolder folder("svg_hostile");
    std::mt19937 random(23);
    std::string files;
    for (int i = 0; i < 60; ++i) {
        TestMap map(2 + i % 7);
        for (int v = 1; v <= 8; ++v)
            map.grid.SetVariableName(v, HostileText(random));
        for (int m = 0; m < 1 << map.grid.GetVariableCount(); ++m)
            map.Set({m}, random() % 3 ? "1" : "0");
        map.Analyze();
        // Groups need a valid map; the cells' own texts are drawn without them.
        const std::string grouped = folder.Path("g" + std::to_string(i) + ".svg");
        ASSERT_FALSE(writeFileAtomically(grouped, mapSvg(map.grid, true)));
        map.Set({0, 1}, HostileText(random));
        const std::string cells = folder.Path("c" + std::to_string(i) + ".svg");
        ASSERT_FALSE(writeFileAtomically(cells, mapSvg(map.grid, false)));
        files += " '" + grouped + "' '" + cells + "'";
    }
    const std::string log = folder.Path("xmllint.log");
    EXPECT_TRUE(RunTool("xmllint --noout" + files, log)) << readWholeFile(log).value_or("");
}

} // namespace
