// lorvane-cli as scripts use it: exact output, messages on standard error, exit statuses.
#include "cli/CliRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

TEST(Cli, AnalyzePrintsTheResultTree) {
    const CliRun run = RunCli("analyze --vars 3 --ones 2,3,5,7");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "|A*B+A*C\n  |A*B\n  A*C\n");
    EXPECT_EQ(run.err, "information: Analyze Complete.\n");
}

TEST(Cli, AnalyzeWithLevelsOnTheFullEightVariableMap) {
    const CliRun run = RunCli("analyze --vars 8 --ones 0-255 --levels");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "LEVEL 1 0\nLEVEL 2 896\nLEVEL 4 1296\nLEVEL 8 992\nLEVEL 16 424\n"
                       "LEVEL 32 96\nLEVEL 64 9\nLEVEL 128 0\n"
                       "B*F+|B*F+B*|F+|B*|F\n  B*F\n  |B*F\n  B*|F\n  |B*|F\n");
}

TEST(Cli, AnalyzePosWithNamesAndDontCares) {
    const CliRun run = RunCli("analyze --pos --vars 4 --names x,y,z,w --zeros 0,1,4,5,7");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "X+Z*X+|Y+|W\n  X+Z\n  X+|Y+|W\n");
    const CliRun full = RunCli("analyze --vars 7 --ones 0-127 --levels");
    EXPECT_NE(full.out.find("LEVEL 128 1\nLEVEL 256 0\n1\n  1\n"), std::string::npos);
}

TEST(Cli, RefusedInputExitsWithStatusOne) {
    const CliRun cell = RunCli("analyze --vars 4 --cell 1,1=x");
    EXPECT_EQ(cell.status, 1);
    EXPECT_EQ(cell.err, "error: Invalid data in cell.\n");
    EXPECT_EQ(cell.out, "");

    const CliRun set = RunCli("analyze --vars 4 --ones '1;3'");
    EXPECT_EQ(set.status, 1);
    EXPECT_EQ(set.err, "information: Invalid symbol in string.\n");

    const CliRun formula = RunCli("analyze --vars 3 --formula 'A+ Q'");
    EXPECT_EQ(formula.status, 1);
    EXPECT_EQ(formula.err, "error: Unknown variable in line.\nPosition: 3.\n");
}

TEST(Cli, UsageErrorsExitWithStatusTwo) {
    for (const char* args : {"", "frobnicate", "analyze --vars 9", "analyze --vars", "--bogus",
                             "analyze --cell 9,9=1", "analyze --cell 1:1"}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2) << args;
    }
    const CliRun help = RunCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Examples:"), std::string::npos);
}

TEST(Cli, ShowAndSets) {
    const CliRun show = RunCli("show --vars 3 --ones 0,7 --cell 2,1=*");
    EXPECT_EQ(show.status, 0);
    EXPECT_EQ(show.out, "A\\BC 00 01 11 10\n"
                        "   0  1  *  .  .\n"
                        "   1  .  .  1  .\n");
    const CliRun sets = RunCli("sets --vars 2 --ones 0,3 --dc 1");
    EXPECT_EQ(sets.out, "1: 0,3\n0: \n*: 1\n");
}

TEST(Cli, FormulaSetsAndTruthTable) {
    const CliRun sets = RunCli("sets --vars 3 --formula 'A*B+C'");
    EXPECT_EQ(sets.status, 0);
    EXPECT_EQ(sets.out, "1: 1,5,3,7,6\n0: \n*: \n");

    const CliRun truth = RunCli("truth --vars 3 --formula 'A*B+C' --formula-type pos");
    EXPECT_EQ(truth.status, 0);
    EXPECT_EQ(truth.out, "000 0\n001 0\n010 0\n011 0\n100 0\n101 \n110 \n111 \n");
    EXPECT_EQ(truth.err, "");

    const CliRun cells = RunCli("truth --vars 2 --cell 1,1=1 --cell 2,2=*x --cell 1,2=7");
    EXPECT_EQ(cells.out, "00 1\n01 \n10 7\n11 *\n");
}

TEST_F(CliFiles, SaveAndLoadAMapFile) {
    const CliRun save =
        RunCli("save '" + Path("m.lvn") + "' --vars 2 --ones 0,3 --dc 1 --bit-save");
    EXPECT_EQ(save.status, 0);
    EXPECT_EQ(save.err, "");
    EXPECT_EQ(Read("m.lvn"), std::string("CCS \x01\x02\x01\x02\x02\0\0\0\x90\x20", 14));
    const CliRun sets = RunCli("sets --map '" + Path("m.lvn") + "'");
    EXPECT_EQ(sets.status, 0);
    EXPECT_EQ(sets.out, "1: 0,3\n0: 2\n*: 1\n");

    const CliRun bytes = RunCli("save '" + Path("b.lvn") + "' --vars 4 --ones 0-15");
    EXPECT_EQ(bytes.status, 0);
    EXPECT_EQ(Read("b.lvn"), std::string("CCS \x01\x04\0\x04\x04\0\0\0", 12) + std::string(16, 1));
    const CliRun analyze = RunCli("analyze --map '" + Path("b.lvn") + "' --vars 2");
    EXPECT_EQ(analyze.status, 0);
    EXPECT_EQ(analyze.out, "1\n  1\n");
}

TEST_F(CliFiles, SaveReportsWhatItCannotWrite) {
    // A cell the chosen body cannot hold leaves the target as it was.
    Write("l.lvn", "old");
    for (const char* args : {"--cell 1,1=abc", "--cell '1,1=<x>'", "--cell 1,1=abc --bit-save",
                             "--cell 1,1=7 --bit-save", "--cell 2,2=255 --bit-save"}) {
        const CliRun lossy = RunCli("save '" + Path("l.lvn") + "' --vars 2 " + args);
        EXPECT_EQ(lossy.status, 1) << args;
        EXPECT_EQ(
            lossy.err.rfind("error: File write error (\"" + Path("l.lvn") + "\": minterm ", 0), 0U)
            << args;
        EXPECT_EQ(Read("l.lvn"), "old") << args;
    }

    const CliRun nowhere = RunCli("save '" + Path("no/such/m.lvn") + "' --vars 2");
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_EQ(nowhere.err, "error: Cannot write file \"" + Path("no/such/m.lvn") +
                               "\": No such file or directory\n");

    for (const char* args : {"save", "save a.lvn b.lvn", "html", "html a.htm b.htm"})
        EXPECT_EQ(RunCli(args).status, 2) << args;
}

TEST_F(CliFiles, HtmlWritesThePage) {
    const CliRun html = RunCli("html '" + Path("m.htm") + "' --vars 2 --names 'x,<y>' --ones 0");
    EXPECT_EQ(html.status, 0);
    const std::string page = Read("m.htm");
    EXPECT_EQ(page.rfind("<HTML>\r\n", 0), 0U);
    EXPECT_NE(page.find(R"(<TD bgcolor="white">X \ &lt;Y&gt; </TD>)"), std::string::npos);
    EXPECT_NE(page.find(R"(<center>0</center></TD><TD bgcolor="white">1</TD>)"), std::string::npos);
    EXPECT_EQ(RunCli("html '" + Path("no/such/m.htm") + "'").status, 1);
}

TEST_F(CliFiles, DamagedMapFilesAreRefused) {
    const std::string header = std::string("CCS \x01\x04\0\x04\x04\0\0\0", 12);
    Write("truncated.lvn", header + std::string(10, 1));
    Write("nine.lvn", std::string("CCS \x01\x09\0\x10\x20\0\0\0", 12) + std::string(512, 1));
    Write("disagree.lvn", std::string("CCS \x01\x04\0\x08\x02\0\0\0", 12) + std::string(16, 1));
    Write("other.lvn", "GIF89a");
    for (const char* name : {"truncated.lvn", "nine.lvn", "disagree.lvn", "other.lvn"}) {
        const CliRun run = RunCli(std::string("analyze --map '") + Path(name) + "'");
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_EQ(run.out, "") << name;
        EXPECT_EQ(run.err.rfind("error: ", 0), 0U) << name << ": " << run.err;
    }
    EXPECT_NE(RunCli("analyze --map '" + Path("nine.lvn") + "'").err.find("9"), std::string::npos);
    const CliRun missing = RunCli("analyze --map '" + Path("missing.lvn") + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "error: Cannot open map file \"" + Path("missing.lvn") +
                               "\": No such file or directory\n");
}

TEST_F(CliFiles, ReportWritesACompleteReportWithTermMaps) {
    const CliRun run = RunCli("report '" + Path("out.htm") +
                              "' --vars 3 --ones 2,3,5,7 --sets --truth-table --map --map-each");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "information: Analyze Complete.\n");
    const std::string report = Read("out.htm");
    EXPECT_EQ(report.rfind("<!DOCTYPE html>\r\n", 0), 0U);
    EXPECT_EQ(report.substr(report.size() - 9), "</html>\r\n");
    for (const char* part :
         {"<b>D</b>isjunctive", "<td>Number of Variables</td><td>3</td>",
          "<tr><td>1</td><td>5,3,7,2</td></tr><tr><td>0</td><td>0,4,1,6</td></tr>", "<th>A</th>",
          "<th>F1</th>", "Y(A,B,C)=\"|A*B+A*C\"", "Term[1]=\"|A*B\"", "Term[2]=\"A*C\""})
        EXPECT_NE(report.find(part), std::string::npos) << part;
    EXPECT_EQ(report.find("<%"), std::string::npos);
    EXPECT_EQ(report.find("Term[3]"), std::string::npos);
    // The map beside the formula and one map per term.
    EXPECT_EQ(CountOf(report, "<Table Border"), 3);

    const CliRun pos = RunCli("report '" + Path("pos.htm") + "' --vars 3 --zeros 0,3,5 --pos");
    EXPECT_EQ(pos.status, 0);
    EXPECT_NE(Read("pos.htm").find("Y(A,B,C)=\"A+B+C*|A+B+|C*A+|B+|C\""), std::string::npos);
}

TEST_F(CliFiles, ReportFailuresWriteNothing) {
    for (const char* args : {"report", "report a.htm b.htm"})
        EXPECT_EQ(RunCli(args).status, 2) << args;
    Write("file", "a file where the report's folder should be");
    const CliRun nowhere = RunCli("report '" + Path("file") + "/r.htm' --vars 2");
    EXPECT_EQ(nowhere.status, 1);
    const CliRun refused = RunCli("report '" + Path("r.htm") + "' --vars 2 --cell 1,1=x");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "error: Invalid data in cell.\n");
    EXPECT_FALSE(std::filesystem::exists(Path("r.htm")));
}

// --- interchange: PLA files, result notations, map images ------------------------------------

TEST(CliInterchange, ExprPrintsTheResultInTheChosenNotation) {
    const CliRun verilog = RunCli("expr --notation verilog --vars 3 --ones 2,3,5,7");
    EXPECT_EQ(verilog.status, 0);
    EXPECT_EQ(verilog.out, "assign F = (~A & B) | (A & C);\n");
    EXPECT_EQ(verilog.err, "information: Analyze Complete.\n");
    EXPECT_EQ(RunCli("expr --vars 3 --ones 2,3,5,7").out, "|A*B+A*C\n");
    EXPECT_EQ(RunCli("expr --notation latex --pos --vars 4 --zeros 0,1,4,5,7").out,
              "(A + C)(A + \\overline{B} + \\overline{D})\n");
    EXPECT_EQ(RunCli("expr --notation vhdl --vars 2 --ones 0-3").out, "F <= '1';\n");
    EXPECT_EQ(RunCli("expr --notation c --pos --vars 2 --ones 0-3").out, "1\n");

    EXPECT_EQ(RunCli("expr --notation basic --vars 2").status, 2);
    EXPECT_EQ(RunCli("expr out.txt --vars 2").status, 2);
    const CliRun refused = RunCli("expr --vars 2 --cell 1,1=x");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
}

TEST_F(CliFiles, PlaWrittenByPlaIsReadBackByAnalyze) {
    const std::string map = "--vars 5 --names p,q,r,s,t --ones 0-3,17,30 --dc 5,6";
    const CliRun write = RunCli("pla '" + Path("m.pla") + "' " + map);
    EXPECT_EQ(write.status, 0);
    EXPECT_EQ(write.err, "");
    EXPECT_NE(Read("m.pla").find(".ilb P Q R S T\n.ob F\n.type fd\n.p 8\n"), std::string::npos);
    // Empty cells come back as "0"; the 1-set and the don't-care set are the same.
    const std::string sets = RunCli("sets --pla '" + Path("m.pla") + "'").out;
    EXPECT_EQ(sets.substr(0, sets.find('\n')), "1: 0,1,17,3,2,30");
    EXPECT_EQ(sets.substr(sets.rfind("*:")), "*: 6,5\n");
    const CliRun analyze = RunCli("analyze --pla '" + Path("m.pla") + "'");
    EXPECT_EQ(analyze.status, 0);
    EXPECT_EQ(analyze.out, RunCli("analyze " + map).out);

    // The result as a PLA file reads back as the same function, and so the same result.
    for (const std::string kind : {"", " --pos"}) {
        const CliRun result = RunCli("pla '" + Path("r.pla") + "' --result" + kind + " " + map);
        EXPECT_EQ(result.status, 0) << kind;
        EXPECT_EQ(RunCli("analyze" + kind + " --pla '" + Path("r.pla") + "'").out,
                  RunCli("analyze" + kind + " " + map).out)
            << kind;
    }
}

TEST_F(CliFiles, PlaRefusalsAndUsage) {
    Write("bad.pla", ".i 3\n.type fd\n01 1\n");
    const CliRun bad = RunCli("show --pla '" + Path("bad.pla") + "'");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "error: Invalid PLA file, line 3: the cube \"011\" has 3 characters; .i and "
                       ".o ask for 4.\n");
    const CliRun missing = RunCli("show --pla '" + Path("none.pla") + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "error: Cannot read file \"" + Path("none.pla") + "\": No such file or directory\n");

    Write("two.pla", ".i 2\n.o 2\n11 11\n");
    const CliRun two = RunCli("sets --pla '" + Path("two.pla") + "'");
    EXPECT_EQ(two.status, 0);
    EXPECT_EQ(two.out, "1: 3\n0: 0,2,1\n*: \n");
    EXPECT_EQ(two.err, "information: The PLA file has 2 outputs; the map holds the first one.\n");

    const CliRun invalid = RunCli("pla '" + Path("x.pla") + "' --vars 2 --cell 1,1=x");
    EXPECT_EQ(invalid.status, 1);
    EXPECT_FALSE(std::filesystem::exists(Path("x.pla")));
    for (const char* args : {"pla", "pla a.pla b.pla", "image", "image a.svg b.svg"})
        EXPECT_EQ(RunCli(args).status, 2) << args;
}

TEST_F(CliFiles, ImageWritesSvgAndTikzByExtension) {
    const std::string map = "--vars 4 --ones 0,2,8,10,5,7";
    const CliRun svg = RunCli("image '" + Path("m.svg") + "' " + map);
    EXPECT_EQ(svg.status, 0);
    const std::string picture = Read("m.svg");
    EXPECT_EQ(picture.rfind("<?xml", 0), 0U);
    EXPECT_NE(picture.find("<title>|B*|D</title>"), std::string::npos);
    EXPECT_NE(picture.find("<title>|A*B*D</title>"), std::string::npos);

    const CliRun tex = RunCli("image '" + Path("m.tex") + "' --pos " + map);
    EXPECT_EQ(tex.status, 0);
    EXPECT_NE(Read("m.tex").find("\\begin{tikzpicture}"), std::string::npos);

    const CliRun png = RunCli("image '" + Path("m.png") + "' " + map);
    EXPECT_EQ(png.status, 1);
    EXPECT_EQ(png.err, "error: PNG images are made by the desktop program (File, Export Map "
                       "Image...); write .svg or .tex here.\n");
    const CliRun other = RunCli("image '" + Path("m.gif") + "' " + map);
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(other.err, "error: Unknown image type: the file name must end in .svg or .tex.\n");
    EXPECT_FALSE(std::filesystem::exists(Path("m.png")));
}

TEST(CliExact, ExactAllSolutionsAndVerify) {
    const CliRun full = RunCli("analyze --exact --vars 8 --ones 0-255");
    EXPECT_EQ(full.status, 0);
    EXPECT_EQ(full.out, "1\n  1\n");
    EXPECT_EQ(full.err, "information: Analyze Complete.\n");

    const std::string map = "--vars 4 --ones 0,4,5,6,7,11,14 --dc 3,8,10,13";
    const CliRun gluing = RunCli("analyze " + map);
    EXPECT_EQ(std::count(gluing.out.begin(), gluing.out.end(), '\n'), 7); // root and 6 terms
    const CliRun exact = RunCli("analyze --exact " + map);
    EXPECT_EQ(exact.status, 0);
    EXPECT_EQ(exact.out, "|A*B+|A*|C*|D+|B*C*D+B*C*|D\n  |A*B\n  |A*|C*|D\n  |B*C*D\n"
                         "  B*C*|D\n");

    const CliRun all = RunCli("analyze --exact --all --verify " + map);
    EXPECT_EQ(all.status, 0);
    const std::string solutions = all.out.substr(exact.out.size());
    EXPECT_EQ(solutions.rfind("|A*B+|A*|C*|D+|B*C*D+B*C*|D\n", 0), 0U) << solutions;
    EXPECT_EQ(std::count(solutions.begin(), solutions.end(), '\n'), 8 + 2);
    EXPECT_NE(solutions.find("\nSOLUTIONS 8\nVERIFY OK\n"), std::string::npos) << solutions;

    const CliRun pos = RunCli("analyze --exact --pos --all --vars 8 --zeros 0-255");
    EXPECT_EQ(pos.out, "0\n  0\n0\nSOLUTIONS 1\n");
    const CliRun none = RunCli("analyze --exact --all --verify --vars 3 --dc 1");
    EXPECT_EQ(none.out, "\n\nSOLUTIONS 1\nVERIFY OK\n");
}

TEST(CliExact, VerifyExitStatuses) {
    const CliRun gluing = RunCli("analyze --verify --vars 3 --ones 2,3,5,7");
    EXPECT_EQ(gluing.status, 0);
    EXPECT_EQ(gluing.out, "|A*B+A*C\n  |A*B\n  A*C\nVERIFY OK\n");
    const CliRun eight = RunCli("analyze --verify --pos --vars 8 --zeros 0-255");
    EXPECT_EQ(eight.status, 0);
    EXPECT_NE(eight.out.find("VERIFY OK\n"), std::string::npos);
    const CliRun invalid = RunCli("analyze --exact --verify --vars 4 --cell 1,1=x");
    EXPECT_EQ(invalid.status, 1);
    EXPECT_EQ(invalid.out, "");
    EXPECT_EQ(RunCli("analyze --exact --levels --vars 4 --ones 1").status, 2);
}

// --- a strict command line, honest exit statuses, standard streams ---------------------------

TEST(CliStrict, UsageErrorsNameTheArgument) {
    const std::pair<const char*, const char*> cases[] = {
        {"sets --vars 2 --ones 1 --ones 2", "--ones is given twice"},
        {"sets --vars 3 --vars 2", "--vars is given twice"},
        {"sets --formula A --formula=B", "--formula is given twice"},
        {"show --names x,,z", "--names has an empty name at place 2"},
        {"show --names a,b,c,d,e,f,g,h,i", "--names gives 9 names"},
        {"analyze extra-arg", "analyze does not take the argument 'extra-arg'"},
        {"show foo bar", "show does not take the argument 'foo'"},
        {"show --vars 2 --bogus", "unknown option --bogus"},
        {"show -x", "unknown option -x"},
        {"show --pos", "--pos is not an option of show"},
        {"expr --levels", "--levels is not an option of expr"},
        {"html a.htm --exact", "--exact is not an option of html"},
        {"pla a.pla --exact", "--pos and --exact go with pla --result"},
        {"expr --notation c --output Y", "--output goes with --notation verilog"},
        {"save --bit-save", "save expects one FILE"},
    };
    for (const auto& [args, error] : cases) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find(std::string("lorvane-cli: ") + error), std::string::npos)
            << args << ": " << run.err;
        EXPECT_EQ(run.out, "") << args;
    }
}

TEST(CliStrict, ExactAndPosMeanTheSameForEveryCommandThatAnalyzes) {
    // The gluing covers this map with six terms, the exact minimizer with four.
    const std::string map = " --vars 4 --ones 0,4,5,6,7,11,14 --dc 3,8,10,13";
    const std::string exact = "|A*B+|A*|C*|D+|B*C*D+B*C*|D";
    EXPECT_EQ(RunCli("expr --exact" + map).out, exact + "\n");
    const std::string svg = RunCli("image - --exact" + map).out;
    EXPECT_NE(svg.find("<title>|A*B</title>"), std::string::npos);
    EXPECT_EQ(CountOf(svg, "<g>\n<title>"), 4);
    EXPECT_NE(RunCli("pla - --result --exact" + map).out.find(".p 4\n"), std::string::npos);
    EXPECT_NE(RunCli("report - --exact" + map).out.find("=\"" + exact + "\""), std::string::npos);
    const std::string zeros = " --vars 4 --zeros 0,1,4,5,7";
    EXPECT_EQ(RunCli("analyze --pos" + zeros).out.rfind("A+C*A+|B+|D\n", 0), 0U);
    EXPECT_EQ(RunCli("expr --pos" + zeros).out, "A+C*A+|B+|D\n");
}

TEST(CliStrict, NamesAreRefusedAsTheOptionsDialogRefusesThem) {
    const CliRun twice = RunCli("show --vars 2 --names x,x");
    EXPECT_EQ(twice.status, 1);
    EXPECT_EQ(twice.err, "error: Variable: \"X\"\nis redeclarated.\n");
    const CliRun control = RunCli("show --vars 2 --names \"$(printf 'a\\nb')\",q");
    EXPECT_EQ(control.status, 1);
    EXPECT_EQ(control.err, "error: Variable: \"A?B\"\nholds a character that is not allowed.\n");
    // Ten characters, not ten bytes: twelve two-byte letters keep ten.
    const CliRun cut =
        RunCli("show --vars 2 --names "
               "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4"
               "\xC3\xA4\xC3\xA4,b");
    EXPECT_EQ(cut.status, 0);
    EXPECT_EQ(cut.out.substr(0, cut.out.find('\\')),
              "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4");
}

TEST_F(CliFiles, StandardStreamsStandForFiles) {
    for (const char* file : {"-", "/dev/stdout"}) {
        const CliRun html = RunCli(std::string("html ") + file + " --vars 2");
        EXPECT_EQ(html.status, 0) << file;
        EXPECT_EQ(html.out.rfind("<HTML>\r\n", 0), 0U) << file;
    }
    const std::string cli = std::string("'") + LORVANE_CLI + "'";
    EXPECT_EQ(RunCli("save - --vars 2 --ones 3 | " + cli + " sets --map -").out,
              "1: 3\n0: 0,2,1\n*: \n");
    Write("f.pla", ".i 2\n.o 1\n11 1\n");
    EXPECT_EQ(RunCli("sets --pla - < '" + Path("f.pla") + "'").out, "1: 3\n0: 0,2,1\n*: \n");
    EXPECT_EQ(RunCli("image - --vars 2").out.rfind("<?xml", 0), 0U);
}

TEST_F(CliFiles, NoFailureIsReportedAsSuccess) {
    const CliRun full = RunCli("analyze --vars 3 --ones 1 >/dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find("error: Cannot write to standard output: No space left on device"),
              std::string::npos);
    // The reason of a failure before the last write is kept, also for a long text.
    const CliRun help = RunCli("--help >/dev/full");
    EXPECT_EQ(help.status, 1);
    EXPECT_EQ(help.err, "error: Cannot write to standard output: No space left on device\n");
    const CliRun closed = RunCli("show --vars 2 >&-");
    EXPECT_EQ(closed.status, 1);
    EXPECT_EQ(closed.err, "error: Cannot write to standard output: Bad file descriptor\n");
    const CliRun device = RunCli("html /dev/full --vars 2");
    EXPECT_EQ(device.status, 1);
    EXPECT_EQ(device.err, "error: Cannot write file \"/dev/full\": No space left on device\n");

    const CliRun zero = RunCli("sets --pla /dev/zero");
    EXPECT_EQ(zero.status, 1);
    EXPECT_EQ(zero.err, "error: Invalid PLA file: the file is larger than 4 MB.\n");
    std::filesystem::create_directory(Path("dir"));
    for (const char* option : {"--map", "--pla"}) {
        const CliRun dir = RunCli(std::string("show ") + option + " '" + Path("dir") + "'");
        EXPECT_EQ(dir.status, 1) << option;
        EXPECT_EQ(dir.err, "error: Cannot read file \"" + Path("dir") + "\": Is a directory\n");
    }

    // A private file stays private; a read-only one is left as it was.
    Write("private.lvn", "old");
    std::filesystem::permissions(Path("private.lvn"), std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::owner_write);
    EXPECT_EQ(RunCli("save '" + Path("private.lvn") + "' --vars 2").status, 0);
    EXPECT_EQ(std::filesystem::status(Path("private.lvn")).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::permissions(Path("private.lvn"), std::filesystem::perms::owner_read);
    const CliRun readOnly = RunCli("save '" + Path("private.lvn") + "' --vars 3");
    EXPECT_EQ(readOnly.status, 1);
    EXPECT_EQ(readOnly.err, "error: Cannot write file \"" + Path("private.lvn") +
                                "\": Permission denied (the file is read-only)\n");
    EXPECT_EQ(Read("private.lvn").size(), 16U);
}

TEST(CliInterchange, OutputNamesAreFreeAndChosenNamesChecked) {
    EXPECT_EQ(RunCli("expr --notation verilog --vars 6 --ones 0-63").out, "assign Y = 1'b1;\n");
    EXPECT_NE(RunCli("pla - --vars 6 --ones 1").out.find(".ilb A B C D E F\n.ob Y\n"),
              std::string::npos);
    EXPECT_EQ(RunCli("expr --notation vhdl --output Q --vars 2 --ones 3").out, "Q <= A and B;\n");
    const CliRun clash = RunCli("pla - --output a --vars 2 --ones 3");
    EXPECT_EQ(clash.status, 1);
    EXPECT_EQ(clash.err, "error: The output name \"a\" is the name of an input.\n");
}

} // namespace

TEST(CliExplain, StepsOfAMapWhosePrimesAreAllEssential) {
    const CliRun run = RunCli("explain --vars 4 --ones 0,2,5,7,8,10,13,15");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "PRIME |B*|D 0,2,8,10\nPRIME B*D 5,7,13,15\nESSENTIAL |B*|D 0,2,8,10\n"
                       "ESSENTIAL B*D 5,7,13,15\nCHART 0 0\nRESULT B*D+|B*|D\nMINIMUM yes\n");
}

TEST(CliExplain, CyclicMapEndsInTheExactResult) {
    const std::string map = " --vars 3 --ones 0,1,2,5,6,7 --exact";
    const CliRun run = RunCli("explain" + map);
    EXPECT_EQ(run.status, 0);
    const std::string analyzed = RunCli("analyze" + map).out;
    const std::string result = analyzed.substr(0, analyzed.find('\n'));
    EXPECT_EQ(std::count(result.begin(), result.end(), '+'), 2) << result;
    EXPECT_EQ(run.out, "PRIME |A*|B 0,1\nPRIME |A*|C 0,2\nPRIME |B*C 1,5\nPRIME B*|C 2,6\n"
                       "PRIME A*C 5,7\nPRIME A*B 6,7\nCHART 6 6\nCHOOSE |A*|B\nCHOOSE B*|C\n"
                       "CHOOSE A*C\nRESULT " +
                           result + "\nMINIMUM yes\n");
}

TEST(CliExplain, RefusalsAndUsage) {
    const CliRun cell = RunCli("explain --vars 4 --cell 1,1=x");
    EXPECT_EQ(cell.status, 1);
    EXPECT_EQ(cell.err, "error: Invalid data in cell.\n");
    EXPECT_EQ(cell.out, "");
    EXPECT_EQ(RunCli("explain out.txt --vars 2").status, 2);
    EXPECT_NE(RunCli("--help").out.find("explain [--pos] [--exact]"), std::string::npos);
}

/// Sets the PATH that the command line finds its converter on while it lives, then puts the
/// old one back.
class ScopedPath {
public:
    explicit ScopedPath(const std::string& path) : m_old(current()) {
        setenv("PATH", path.c_str(), 1);
    }
    ~ScopedPath() { setenv("PATH", m_old.c_str(), 1); }
    ScopedPath(const ScopedPath&) = delete;
    ScopedPath& operator=(const ScopedPath&) = delete;

    /// The PATH as it is, with `folder` searched first.
    static std::string first(const std::string& folder) { return folder + ":" + current(); }

private:
    static std::string current() {
        const char* path = std::getenv("PATH");
        return path ? path : "";
    }
    std::string m_old;
};

TEST_F(CliFiles, PdfImageGoesThroughTheConverter) {
    // A stand-in converter: it records its arguments and answers with a PDF of its own.
    std::filesystem::create_directories(Path("bin"));
    Write("bin/rsvg-convert", "#!/bin/sh\necho \"$@\" > '" + Path("args.txt") +
                                  "'\ncat \"$3\" > '" + Path("page1.svg") +
                                  "'\nprintf '%%PDF-stand-in'\n");
    std::filesystem::permissions(Path("bin/rsvg-convert"), std::filesystem::perms::owner_all);
    {
        ScopedPath path(ScopedPath::first(Path("bin")));
        const CliRun run = RunCli("image '" + Path("m.pdf") + "' --steps --vars 3 --ones 0,1,3");
        EXPECT_EQ(run.status, 0) << run.err;
    }
    EXPECT_EQ(Read("m.pdf"), "%PDF-stand-in");
    EXPECT_EQ(Read("args.txt").rfind("-f pdf ", 0), 0U) << Read("args.txt");
    const std::string page = Read("page1.svg");
    for (const char* part : {"width=\"210mm\"", "Y(A,B,C)=|A*C+|A*|B", "Prime implicants",
                             "|A*|B is essential: only it covers 0."})
        EXPECT_NE(page.find(part), std::string::npos) << part;

    Write("bin/rsvg-convert", "#!/bin/sh\nexit 3\n");
    ScopedPath path(ScopedPath::first(Path("bin")));
    const CliRun failed = RunCli("image '" + Path("m.pdf") + "' --vars 3 --ones 0");
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("could not make the PDF file"), std::string::npos) << failed.err;
    EXPECT_EQ(Read("m.pdf"), "%PDF-stand-in") << "the earlier file stays";
}

TEST_F(CliFiles, PdfImageWithoutAConverterSaysHowToGetOne) {
    CliRun run;
    {
        ScopedPath path(Path("empty"));
        run = RunCli("image '" + Path("m.pdf") + "' --vars 3 --ones 0");
    }
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("rsvg-convert"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Export PDF..."), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(Path("m.pdf")));
}

TEST_F(CliFiles, PdfImageWithTheRealConverter) {
    if (!ToolInstalled("rsvg-convert"))
        GTEST_SKIP() << "rsvg-convert is not installed";
    const CliRun run = RunCli("image '" + Path("m.pdf") + "' --steps --vars 8 --ones 0-99");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Read("m.pdf").rfind("%PDF", 0), 0U);
}

TEST_F(CliFiles, ReportStepsOnlyWhenAskedFor) {
    const std::string map = " --vars 3 --ones 0,1,3 --exact";
    ASSERT_EQ(RunCli("report '" + Path("plain.htm") + "'" + map).status, 0);
    ASSERT_EQ(RunCli("report '" + Path("steps.htm") + "' --steps" + map).status, 0);
    const std::string plain = Read("plain.htm");
    const std::string steps = Read("steps.htm");
    EXPECT_EQ(plain.find("Steps"), std::string::npos);
    for (const char* part : {"<h2>Steps</h2>", "<td>Essential terms</td>",
                             "<p>|A*|B is essential: only it covers 0.</p>",
                             "<p>The result is a minimum cover (terms: 2).</p>"})
        EXPECT_NE(steps.find(part), std::string::npos) << part;
    ASSERT_EQ(
        RunCli("report '" + Path("cyclic.htm") + "' --steps --exact --vars 3 --ones 0,1,2,5,6,7")
            .status,
        0);
    EXPECT_NE(Read("cyclic.htm").find("<p>A*C is chosen by the exact search.</p>"),
              std::string::npos);
    EXPECT_EQ(steps.find("<%"), std::string::npos);
    EXPECT_EQ(steps.substr(0, steps.find("<div class=\"details\">")),
              plain.substr(0, plain.find("<div class=\"details\">")));
}
