// lorvane-cli minimize: every output of a PLA file in one run, checked against analyze on each
// output alone (--pla-output), and its refusals.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

/// Four outputs of five inputs, one cube per minterm: "1", "0" or "-" (don't care) at random.
std::string FourOutputFile() {
    std::mt19937 random(2024);
    std::string text = ".i 5\n.o 4\n.ilb a b c d e\n.ob w x y z\n.type fd\n";
    for (int m = 0; m < 32; ++m) {
        for (int bit = 4; bit >= 0; --bit)
            text += (m >> bit & 1) ? '1' : '0';
        text += ' ';
        for (int k = 0; k < 4; ++k)
            text += "1100-"[random() % 5];
        text += '\n';
    }
    return text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

/// Runs of minimize, in a scratch folder of their own.
class CliMinimize : public CliFiles {};

TEST_F(CliMinimize, EachOutputAsAnalyzeExactGivesItAndReadsBackTheSame) {
    const std::string in = Write("four.pla", FourOutputFile());
    const CliRun run = RunCli("minimize --exact --stats " + in + " -o " + Quoted("min.pla"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::vector<std::string> stats = Lines(run.err);
    ASSERT_EQ(stats.size(), 4U) << run.err;
    const char* const names[] = {"w", "x", "y", "z"};
    for (int k = 0; k < 4; ++k) {
        const std::string output = " --pla-output " + std::to_string(k + 1);
        const CliRun alone = RunCli("analyze --exact --pla " + in + output);
        ASSERT_EQ(alone.status, 0);
        const std::size_t terms = Lines(alone.out).size() - 1;
        EXPECT_EQ(stats[static_cast<std::size_t>(k)].rfind(
                      std::string(names[k]) + ": terms " + std::to_string(terms) + ", ", 0),
                  0U)
            << stats[static_cast<std::size_t>(k)] << " against\n"
            << alone.out;
        EXPECT_NE(stats[static_cast<std::size_t>(k)].find("minimum proven"), std::string::npos);
        // The written file gives the output's value wherever the input does not leave it open.
        const auto wanted = Lines(RunCli("truth --pla " + in + output).out);
        const auto written = Lines(RunCli("truth --pla " + Quoted("min.pla") + output).out);
        ASSERT_EQ(written.size(), 32U);
        for (std::size_t m = 0; m < 32; ++m) {
            if (wanted[m].back() == '*')
                continue;
            EXPECT_EQ(written[m], wanted[m]) << names[k];
        }
    }
    EXPECT_NE(Read("min.pla").find(".ilb a b c d e\n.ob w x y z\n.type f\n"), std::string::npos);
}

TEST_F(CliMinimize, StandardInputAndOutputAndProductsOfSums) {
    const std::string in = Write("g.pla", ".i 2\n.o 2\n.ob and or\n00 00\n01 01\n10 01\n11 11\n");
    const CliRun file = RunCli("minimize " + in);
    EXPECT_EQ(file.status, 0);
    EXPECT_EQ(file.out, "# and = A*B\n# or = B+A\n"
                        "# sums of products: every cube is a product term of the outputs marked 1\n"
                        ".i 2\n.o 2\n.ob and or\n.type f\n.p 3\n11 10\n-1 01\n1- 01\n.e\n");
    EXPECT_EQ(RunCli("minimize < " + in).out, file.out);
    EXPECT_EQ(RunCli("minimize - -o - < " + in).out, file.out);

    const CliRun pos = RunCli("minimize --pos --exact " + in + " -o " + Quoted("pos.pla"));
    EXPECT_EQ(pos.status, 0);
    EXPECT_EQ(RunCli("sets --pla " + Quoted("pos.pla") + " --pla-output or").out,
              "1: 2,1,3\n0: 0\n*: \n");
    EXPECT_NE(Read("pos.pla").find(".type r\n.p 3\n"), std::string::npos);
}

TEST_F(CliMinimize, RefusalsWriteNothing) {
    const struct {
        const char* text;
        const char* message;
    } refused[] = {
        {".i 2\n.o 3\n00 1 1\n", "Invalid PLA file, line 3: the cube \"0011\" has 4 characters; "
                                 ".i and .o ask for 5."},
        {".i 2\n.o 2\n.ob f\n", "Invalid PLA file, line 3: the number of .ob names (1) differs "
                                "from .o (2)."},
        {".i 2\n.o 2\n.type fr\n0- 11\n-1 1~\n01 x1\n", "Invalid PLA file, line 6: the cube "
                                                        "\"01x1\" holds \"x\" among its outputs; "
                                                        "outputs are 0, 1, - or ~ (also written 3, "
                                                        "4, 2)."},
        {".i 2\n.o 2\n.type fr\n0- 11\n-1 13\n", "Invalid PLA file, line 5: minterm 1 of output 2 "
                                                 "is in the ON-set on line 4 and in the OFF-set on "
                                                 "line 5."},
    };
    for (const auto& [text, message] : refused) {
        const CliRun run = RunCli("minimize " + Write("bad.pla", text) + " -o " + Quoted("o.pla"));
        EXPECT_EQ(run.status, 1) << text;
        EXPECT_EQ(run.err, std::string("error: ") + message + "\n");
        EXPECT_EQ(Read("o.pla"), "<none>");
    }
    EXPECT_EQ(RunCli("minimize " + Quoted("none.pla")).err,
              "error: Cannot read file \"" + Path("none.pla") + "\": No such file or directory\n");

    const std::string good = Write("good.pla", ".i 2\n.o 2\n11 11\n");
    for (const std::string args : {"minimize a.pla b.pla", "minimize --vars 3 --ones 1",
                                   "minimize -o", "show --pla-output 1"})
        EXPECT_EQ(RunCli(args).status, 2) << args;
    const CliRun unknown = RunCli("analyze --pla " + good + " --pla-output 3");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err,
              "error: The PLA file has no output \"3\"; its outputs are numbered 1 to 2.\n");
}

} // namespace
