// Variable names: cut in characters, never inside one; refused as the options dialog does.
#include "input/VariableNames.h"
#include "support/Utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(VariableNames, AreCutAtTenCharactersNeverInsideOne) {
    EXPECT_EQ(variableNameOf("abcdefghijkl"), "ABCDEFGHIJ");
    // Ten two-byte characters after "a": the cut keeps nine of them whole.
    const std::string umlauts = "a\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4"
                                "\xC3\xA4\xC3\xA4";
    EXPECT_EQ(variableNameOf(umlauts), "A" + umlauts.substr(1, 18));
    EXPECT_EQ(characterCount(variableNameOf(umlauts)), 10U);
    EXPECT_TRUE(isValidUtf8(variableNameOf(umlauts)));
    EXPECT_EQ(characterCount("\xF0\x9F\x98\x80z"), 2U);
    // Bytes that are not UTF-8 count one each: overlong, surrogate, cut short.
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xE2\x82", "\xF5\x80\x80\x80"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
    EXPECT_EQ(characterCount("\xE2\x82"), 2U);
}

TEST(VariableNames, MessagesFollowTheOptionsDialogsOrder) {
    const std::array<std::string, 8> names = {"A", "", "B\tC", "A", "E", "", "G", "\xFF"};
    EXPECT_EQ(variableNameMessages(names),
              (std::vector<std::string>{"Variable can not bee NULL", "Variable can not bee NULL",
                                        "Variable: \"B?C\"\r\nholds a character that is not "
                                        "allowed.",
                                        "Variable: \"?\"\r\nholds a character that is not allowed.",
                                        "Variable: \"A\"\r\nis redeclarated.",
                                        "Variable: \"\"\r\nis redeclarated."}));
    EXPECT_TRUE(variableNameMessages({"A", "B", "\xC3\x84", "D", "E", "F", "G", "H"}).empty());
    EXPECT_FALSE(nameCharactersAllowed("a\x7F"));
    EXPECT_FALSE(nameCharactersAllowed("a\xC2\x85"));
}

TEST(VariableNames, NamesAFormulaCannotUseAreRefusedBeforeTheRedeclarations) {
    const std::array<std::string, 8> names = {"A+B", "|C", "12", "D E", "A*", "F", "F", "X1"};
    EXPECT_EQ(
        variableNameMessages(names),
        (std::vector<std::string>{"Variable: \"A+B\"\r\nholds \"+\", an operator of formulas.",
                                  "Variable: \"|C\"\r\nholds \"|\", an operator of formulas.",
                                  "Variable: \"12\"\r\nis only digits: it would read as a number.",
                                  "Variable: \"D E\"\r\nholds a space, which formulas leave out.",
                                  "Variable: \"A*\"\r\nholds \"*\", an operator of formulas.",
                                  "Variable: \"F\"\r\nis redeclarated."}));
}

TEST(VariableNames, HiddenNamesGiveWayToGivenOnes) {
    const std::array<std::string, 8> defaults = {"A", "B", "C", "D", "E", "F", "G", "H"};
    EXPECT_EQ(namesWithGiven({"X", "C"}, defaults, 2),
              (std::array<std::string, 8>{"X", "C", "A", "D", "E", "F", "G", "H"}));
    EXPECT_EQ(namesWithGiven({"H", "G", "B"}, defaults, 3),
              (std::array<std::string, 8>{"H", "G", "B", "D", "E", "F", "A", "C"}));
    // Names of variables in use stay as they are, clash or not.
    EXPECT_EQ(namesWithGiven({"X", "C"}, defaults, 4),
              (std::array<std::string, 8>{"X", "C", "C", "D", "E", "F", "G", "H"}));
}

TEST(VariableNames, EscapedTextShowsWhatWouldActOnATerminal) {
    EXPECT_EQ(escapedText("a\x1B[1m\\\xC2\x85\xFF\xC3\xA4"), "a\\x1B[1m\\\\\\u0085\\xFF\xC3\xA4");
    EXPECT_EQ(escapedText("a\\b\t", Backslash::Kept), "a\\b\\x09");
}

} // namespace
