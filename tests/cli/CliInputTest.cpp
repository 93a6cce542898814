// lorvane-cli's input checked as scripts meet it: set lists, names, option values, help per
// command, and messages that name the file and reach the terminal as plain text.
#include "cli/CliRunner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

/// `text` as one shell word.
std::string ShellWord(const std::string& text) {
    std::string word = "'";
    for (char ch : text)
        word += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return word + "'";
}

// --- set lists ------------------------------------------------------------------------------

TEST(CliSets, ListsOfAnyLengthAreTaken) {
    // The 8-variable function A+H written out as 192 minterm numbers.
    std::string list;
    for (int m = 0; m < 256; ++m)
        if (m >= 128 || m % 2 == 1)
            list += (list.empty() ? "" : ",") + std::to_string(m);
    ASSERT_GE(list.size(), 600U);
    const CliRun exact = RunCli("analyze --vars 8 --exact --verify --ones " + list);
    EXPECT_EQ(exact.status, 0) << exact.err;
    EXPECT_EQ(exact.out, RunCli("analyze --vars 8 --exact --verify --formula A+H").out);
    EXPECT_NE(exact.out.find("VERIFY OK\n"), std::string::npos);
    const std::string ones = RunCli("sets --vars 8 --formula A+H").out;
    const CliRun dc = RunCli("sets --vars 8 --dc " + list);
    EXPECT_EQ(dc.status, 0) << dc.err;
    EXPECT_EQ(dc.out, "1: \n0: \n*: " + ones.substr(3, ones.find('\n') - 3) + "\n");
}

struct SetRefusal {
    const char* name;
    const char* args;
    const char* error;
};

class CliSetRefusals : public testing::TestWithParam<SetRefusal> {};

TEST_P(CliSetRefusals, NameTheFieldInAUsageError) {
    const CliRun run = RunCli(std::string("sets ") + GetParam().args);
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')),
              std::string("lorvane-cli: ") + GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliSetRefusals,
    testing::Values(
        SetRefusal{"BeyondEightVariables", "--vars 8 --ones 256",
                   "--ones: 256 (field 1) lies beyond the map: its minterms are 0 to 255"},
        SetRefusal{"RangeBeyondThree", "--vars 3 --zeros 1,2-8",
                   "--zeros: 8 (field 2) lies beyond the map: its minterms are 0 to 7"},
        SetRefusal{"HugeNumber", "--vars 8 --dc 99999999999999999999999",
                   "--dc: 1048576 (field 1) lies beyond the map: its minterms are 0 to 255"},
        SetRefusal{"DownwardRange", "--ones 5-2",
                   "--ones: field 1, \"5-2\", is no minterm number and no range LOW-HIGH with "
                   "LOW <= HIGH"},
        SetRefusal{"OpenRange", "--ones 1,2-",
                   "--ones: field 2, \"2-\", is no minterm number and no range "
                   "LOW-HIGH with LOW <= HIGH"},
        SetRefusal{"BareDash", "--ones -",
                   "--ones: field 1, \"-\", is no minterm number and no range "
                   "LOW-HIGH with LOW <= HIGH"},
        SetRefusal{"TwoDashes", "--ones 1-2-3",
                   "--ones: field 1, \"1-2-3\", is no minterm number and no "
                   "range LOW-HIGH with LOW <= HIGH"},
        SetRefusal{"TwoDashesAndALongRun", "--ones 0-0-99999999999999999999",
                   "--ones: field 1, \"0-0-99999999999999999999\", is no minterm number and no "
                   "range LOW-HIGH with LOW <= HIGH"},
        SetRefusal{"EmptyField", "--ones 1,,3", "--ones: field 2 is empty"},
        SetRefusal{"TrailingComma", "--ones 1,3,", "--ones: field 3 is empty"},
        SetRefusal{"OnlySpace", "--ones ' '", "--ones: field 1 is empty"}),
    [](const testing::TestParamInfo<SetRefusal>& info) { return std::string(info.param.name); });

// --- names ----------------------------------------------------------------------------------

TEST(CliNames, NamesAFormulaCannotUseAreRefused) {
    const std::pair<const char*, const char*> cases[] = {
        {"'A+B,C'", "error: Variable: \"A+B\"\nholds \"+\", an operator of formulas.\n"},
        {"'A,|C'", "error: Variable: \"|C\"\nholds \"|\", an operator of formulas.\n"},
        {"'A*,C'", "error: Variable: \"A*\"\nholds \"*\", an operator of formulas.\n"},
        {"'A,1'", "error: Variable: \"1\"\nis only digits: it would read as a number.\n"},
        {"'a b,C'", "error: Variable: \"A B\"\nholds a space, which formulas leave out.\n"},
    };
    for (const auto& [names, error] : cases) {
        const CliRun run = RunCli(std::string("analyze --vars 2 --ones 3 --names ") + names);
        EXPECT_EQ(run.status, 1) << names;
        EXPECT_EQ(run.err, error) << names;
        EXPECT_EQ(run.out, "") << names;
    }
    EXPECT_EQ(RunCli("analyze --vars 2 --ones 3 --names 'A1,_2'").status, 0);
}

TEST(CliNames, NamesForFewerVariablesNeverClashWithHiddenOnes) {
    const CliRun two = RunCli("show --vars 2 --names X,C --ones 3");
    EXPECT_EQ(two.status, 0) << two.err;
    EXPECT_EQ(two.out.substr(0, two.out.find('\n')), "X\\C 0 1");
    EXPECT_EQ(RunCli("expr --vars 2 --names H,A --ones 2").out, "H*|A\n");
    // A variable in use keeps its name: here C names the third variable.
    const CliRun four = RunCli("show --vars 4 --names X,C");
    EXPECT_EQ(four.status, 1);
    EXPECT_EQ(four.err, "error: Variable: \"C\"\nis redeclarated.\n");
}

// --- Verilog escaped names ------------------------------------------------------------------

TEST(CliVerilog, EscapedNamesCompileOrAreRefused) {
    const bool haveCompiler = std::system("iverilog -V >/dev/null 2>&1") == 0;
    ScratchFolder folder("cli-verilog");
    for (const std::string name : {"A`B", "`DEFINE", "1A", "A\\B", "A/B", "A//B", "(A", "A[0]",
                                   "A\"B", "A'B", "A;B", "#A", "$A", "A-B", "A)B"}) {
        const CliRun run = RunCli("expr --notation verilog-module --vars 2 --ones 1,2 --names " +
                                  ShellWord(name + ",Q"));
        if (name.find('`') != std::string::npos) {
            EXPECT_EQ(run.status, 1) << name;
            EXPECT_EQ(run.err, "information: Analyze Complete.\nerror: The variable name \"" +
                                   name +
                                   "\" cannot be written in Verilog: a backtick starts a "
                                   "compiler directive, also in an escaped identifier. Rename "
                                   "the variable.\n");
            continue;
        }
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        if (!haveCompiler)
            continue;
        const std::string source = folder.Path("m.v");
        std::ofstream(source) << run.out;
        const std::string compile = "iverilog -o " + ShellWord(folder.Path("m.out")) + " " +
                                    ShellWord(source) + " >/dev/null 2>&1";
        EXPECT_EQ(std::system(compile.c_str()), 0) << name << ":\n" << run.out;
    }
}

// --- file text and messages on the terminal -------------------------------------------------

TEST_F(CliFiles, ControlCharactersOfAPlaFileAreShownEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {".i 2\n.o 1\n.typ\x1B[31m fd\n",
         "error: Invalid PLA file, line 3: the keyword \".typ\\x1B[31m\" is not understood.\n"},
        {".i \x07\n", "error: Invalid PLA file, line 1: .i expects a number, not \"\\x07\".\n"},
        {".i 2\n.type f\xC2\x9B\n",
         "error: Invalid PLA file, line 2: the type \"f\\u009B\" is not understood; f, fd, fr, "
         "fdr, r or dr are.\n"},
        {".i 2\n0\x1B 1\n", "error: Invalid PLA file, line 2: the cube \"0\\x1B1\" holds "
                            "\"\\x1B\" among its inputs; inputs are 0, 1 or - (also written "
                            "2).\n"},
        {".i 2\n.o 1\n.ob q\\\x1B\n",
         "error: The PLA file has no output \"x\"; its outputs are q\\\\\\x1B.\n"},
    };
    for (const auto& [text, error] : cases) {
        const std::string file = Write("c.pla", text);
        const CliRun run = RunCli("sets --pla " + file + " --pla-output x");
        EXPECT_EQ(run.status, 1) << text;
        EXPECT_EQ(run.err, error) << text;
    }
}

TEST_F(CliFiles, FailureMessagesNameTheFileAndTheReason) {
    const std::string other = Write("other.lvn", "GIF89a");
    Write("l.lvn", "old");
    const std::pair<std::string, std::string> cases[] = {
        {"analyze --map " + other,
         "error: File type mistmatch. (\"" + Path("other.lvn") + "\" is no map file)\n"},
        {"analyze --map " + Quoted("missing.lvn"), "error: Cannot open map file \"" +
                                                       Path("missing.lvn") +
                                                       "\": No such file or directory\n"},
        {"save " + Quoted("l.lvn") + " --vars 2 --cell 2,1=abc",
         "error: File write error (\"" + Path("l.lvn") +
             "\": minterm 1 holds \"abc\"; a map file stores empty, 0, 1, * and the numbers 3 to "
             "255)\n"},
        {"save " + Quoted("l.lvn") + " --bit-save --vars 2 --cell 1,2='7'",
         "error: File write error (\"" + Path("l.lvn") +
             "\": minterm 2 holds \"7\"; a map file in bit form stores empty, 0, 1 and *)\n"},
        {"save " + Quoted("l.lvn") + " --vars 2 --cell \"1,1=$(printf 'x\\033y')\"",
         "error: File write error (\"" + Path("l.lvn") +
             "\": minterm 0 holds \"x\\x1By\"; a map file stores empty, 0, 1, * and the numbers 3 "
             "to 255)\n"},
    };
    for (const auto& [args, error] : cases) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_EQ(run.err, error) << args;
    }
    EXPECT_EQ(Read("l.lvn"), "old");
}

// --- option values and help -----------------------------------------------------------------

TEST(CliOptions, EmptyValuesAreUsageErrors) {
    const std::pair<const char*, const char*> cases[] = {
        {"analyze --pla x.pla --pla-output ''", "--pla-output"},
        {"expr --notation verilog --output ''", "--output"},
        {"minimize x.pla -o ''", "--output"},
        {"show --map=", "--map"},
        {"show --names ''", "--names"},
        {"show --ones ''", "--ones"},
        {"show --formula ''", "--formula"},
        {"expr --notation ''", "--notation"},
    };
    for (const auto& [args, option] : cases) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.err.rfind(
                      std::string("lorvane-cli: ") + option + " expects a value; it is empty\n", 0),
                  0U)
            << args << ": " << run.err;
    }
}

TEST(CliOptions, CommandHelpPrintsThatCommandsUsage) {
    const std::pair<const char*, const char*> commands[] = {
        {"analyze", "usage: lorvane-cli analyze [--pos] [--exact] [--levels] [--all] [--verify] "
                    "[MAP OPTIONS]\n\n  analyze [--pos]"},
        {"show", "usage: lorvane-cli show [MAP OPTIONS]\n\n  show                 print the map"},
        {"save", "usage: lorvane-cli save FILE [--bit-save] [MAP OPTIONS]\n\n  save FILE"},
        {"minimize", "usage: lorvane-cli minimize [FILE|-] [--exact] [--pos] [-o OUT] [--stats]\n"
                     "\n  minimize [FILE|-]"},
    };
    const std::string all = RunCli("--help").out;
    for (const auto& [command, start] : commands) {
        const CliRun run = RunCli(std::string(command) + " --help");
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_EQ(run.out.rfind(start, 0), 0U) << run.out;
        // Its lines are those of the whole help; the map options come with every command but
        // minimize.
        const std::string block = run.out.substr(run.out.find("\n\n") + 2);
        EXPECT_NE(all.find(block.substr(0, block.find("\n\n"))), std::string::npos) << block;
        EXPECT_EQ(run.out.find("  --vars N") != std::string::npos,
                  std::string(command) != "minimize")
            << command;
        EXPECT_EQ(run.out.find("Examples:"), std::string::npos) << command;
    }
    const CliRun bogus = RunCli("bogus --help");
    EXPECT_EQ(bogus.status, 2);
    EXPECT_EQ(bogus.out, "");
    EXPECT_EQ(bogus.err.rfind("lorvane-cli: unknown command 'bogus'\n", 0), 0U) << bogus.err;
    EXPECT_EQ(RunCli("--help analyze").out, RunCli("analyze --help").out);
}

} // namespace
