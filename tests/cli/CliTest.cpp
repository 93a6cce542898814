// lorvane-cli as scripts use it: exact output, messages on standard error, exit statuses.
#include "cli/CliRunner.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(formula.err, "error: Unknown variable in line.\r\nPosition: 3.\n");
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

} // namespace
