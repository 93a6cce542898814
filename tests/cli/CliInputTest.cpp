// lorvane-cli's input checked as scripts meet it: set lists, names, option values, help per
// command, and messages that name the file and reach the terminal as plain text.
#include "cli/CliRunner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

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
        SetRefusal{"--vars 8 --ones 256",
                   "--ones: 256 (field 1) lies beyond the map: its minterms are 0 to 255"},
        SetRefusal{"--vars 3 --zeros 1,2-8",
                   "--zeros: 8 (field 2) lies beyond the map: its minterms are 0 to 7"},
        SetRefusal{"--vars 8 --dc 99999999999999999999999",
                   "--dc: 1048576 (field 1) lies beyond the map: its minterms are 0 to 255"},
        SetRefusal{"--ones 5-2",
                   "--ones: field 1, \"5-2\", is no minterm number and no range LOW-HIGH with "
                   "LOW <= HIGH"},
        SetRefusal{"--ones 1,2-", "--ones: field 2, \"2-\", is no minterm number and no range "
                                  "LOW-HIGH with LOW <= HIGH"},
        SetRefusal{"--ones -", "--ones: field 1, \"-\", is no minterm number and no range "
                               "LOW-HIGH with LOW <= HIGH"},
        SetRefusal{"--ones 1-2-3", "--ones: field 1, \"1-2-3\", is no minterm number and no "
                                   "range LOW-HIGH with LOW <= HIGH"},
        SetRefusal{"--ones 1,,3", "--ones: field 2 is empty"},
        SetRefusal{"--ones 1,3,", "--ones: field 3 is empty"},
        SetRefusal{"--ones ' '", "--ones: field 1 is empty"}));

} // namespace
