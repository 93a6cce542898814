// The ini file: reading sections, writing keys in place or appended, exact bytes kept.
#include "support/IniFile.h"
#include "support/FileWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

/// A fresh folder per test, removed afterwards.
class IniFolder : public testing::Test {
protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name =
            std::string("lorvane_ini_") + info->test_suite_name() + "_" + info->name();
        for (char& ch : name)
            if (ch == '/')
                ch = '_';
        m_dir = fs::temp_directory_path() / name;
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    [[nodiscard]] std::string path(const std::string& name = "lorvane.ini") const {
        return (m_dir / name).string();
    }
    void write(const std::string& bytes) const {
        ASSERT_FALSE(writeFileAtomically(path(), bytes).has_value());
    }
    [[nodiscard]] std::string bytes() const { return readWholeFile(path()).value_or("<none>"); }

    fs::path m_dir;
};

struct WriteCase {
    const char* name;
    const char* before; ///< nullptr: no file
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

class IniWrite : public IniFolder, public testing::WithParamInterface<WriteCase> {};

TEST_P(IniWrite, GivesExactBytes) {
    const WriteCase& c = GetParam();
    if (c.before)
        write(c.before);
    IniFile ini(path());
    EXPECT_FALSE(ini.writeString(c.section, c.key, c.value).has_value());
    EXPECT_EQ(bytes(), c.after);
}

const WriteCase kWrites[] = {
    {"CreatesFileAndSection", nullptr, "Options", "AskExit", "true",
     "[Options]\r\nAskExit=true\r\n"},
    {"ReplacesInPlace", "[Options]\r\nBitSave=false\r\nAskExit=true\r\nDrawFocus=true\r\n",
     "Options", "AskExit", "false",
     "[Options]\r\nBitSave=false\r\nAskExit=false\r\nDrawFocus=true\r\n"},
    {"MatchesSectionAndKeyIgnoringCase", "[OPTIONS]\r\naskexit=True\r\n", "Options", "AskExit",
     "true", "[OPTIONS]\r\nAskExit=true\r\n"},
    {"MatchesKeyWithSpacesAroundIt", "[Options]\r\n  AskExit =x\r\n", "Options", "AskExit", "y",
     "[Options]\r\nAskExit=y\r\n"},
    {"AppendsAtEndOfItsSection",
     "[Language]\r\nCurrentLanguage=German.lng\r\n\r\n[Options]\r\nBitSave=true\r\n", "Language",
     "SupportedLanguages", "German,Russian",
     "[Language]\r\nCurrentLanguage=German.lng\r\nSupportedLanguages=German,Russian\r\n\r\n"
     "[Options]\r\nBitSave=true\r\n"},
    {"AppendsNewSectionAtEnd", "; settings\r\n[Options]\r\nBitSave=true\r\n", "Language",
     "CurrentLanguage", "German.lng",
     "; settings\r\n[Options]\r\nBitSave=true\r\n[Language]\r\nCurrentLanguage=German.lng\r\n"},
    {"KeepsValuesRaw", "[Options]\r\n", "Options", "MapFont", " C:\\Fonts\\\"a=b\" ",
     "[Options]\r\nMapFont= C:\\Fonts\\\"a=b\" \r\n"},
    {"ReplacesOnlyTheFirstOfTwoEqualKeys", "[Options]\r\nA=1\r\nA=2\r\n", "Options", "a", "3",
     "[Options]\r\na=3\r\nA=2\r\n"},
    {"KeepsOtherLinesAndBareLineFeeds", "x=1\n[Options]\n;comment\nodd line\nA=1\n", "Options", "B",
     "2", "x=1\n[Options]\n;comment\nodd line\nA=1\nB=2\n"},
    {"LineWithoutEqualsIsNoKey", "[Options]\r\nAskExit\r\n", "Options", "AskExit", "true",
     "[Options]\r\nAskExit\r\nAskExit=true\r\n"},
    {"MatchesSectionNameWithSpaces", "[ Options ]\r\nA=1\r\n", "options", "A", "2",
     "[ Options ]\r\nA=2\r\n"},
    {"EmptyValue", "[Language]\r\nSupportedLanguages=German\r\n", "Language", "SupportedLanguages",
     "", "[Language]\r\nSupportedLanguages=\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniWrite, testing::ValuesIn(kWrites),
                         [](const auto& info) { return std::string(info.param.name); });

using IniRead = IniFolder;

TEST_F(IniRead, MissingFileGivesNothing) {
    IniFile ini(path());
    EXPECT_FALSE(ini.exists());
    EXPECT_TRUE(ini.readSection("Options").empty());
    EXPECT_FALSE(ini.readString("Options", "AskExit").has_value());
}

TEST_F(IniRead, SectionLinesStopAtNextSectionAndSkipBlankLines) {
    write("[Options]\r\nAskExit=True\r\n\r\nMapFont=Arial=Bold\r\n[Language]\r\nX=1\r\n");
    IniFile ini(path());
    EXPECT_TRUE(ini.exists());
    EXPECT_EQ(ini.readSection("options"),
              (std::vector<std::string>{"AskExit=True", "MapFont=Arial=Bold"}));
    const auto values = ini.readSectionValues("OPTIONS");
    ASSERT_EQ(values.size(), 2U);
    EXPECT_EQ(values[1], (IniFile::KeyValue{"MapFont", "Arial=Bold"}));
    EXPECT_EQ(ini.readString("Options", "askexit").value_or("-"), "True");
    EXPECT_EQ(ini.readString("Language", "X").value_or("-"), "1");
    EXPECT_FALSE(ini.readString("Options", "X").has_value());
}

TEST_F(IniRead, EmptySectionAndMissingSectionGiveNothing) {
    write("[Options]\r\n[Language]\r\nX=1\r\n");
    IniFile ini(path());
    EXPECT_TRUE(ini.readSection("Options").empty());
    EXPECT_TRUE(ini.readSection("Translations").empty());
}

TEST_F(IniRead, SplitsAtFirstEquals) {
    EXPECT_EQ(IniFile::splitLine("a=b=c"), (IniFile::KeyValue{"a", "b=c"}));
    EXPECT_EQ(IniFile::splitLine("a="), (IniFile::KeyValue{"a", ""}));
    EXPECT_EQ(IniFile::splitLine("abc"), (IniFile::KeyValue{"abc", ""}));
    EXPECT_EQ(IniFile::splitLine("=x"), (IniFile::KeyValue{"", "x"}));
}

using IniWriteMany = IniFolder;

TEST_F(IniWriteMany, WritesKeysInOrderInOneReplacement) {
    write("[Options]\r\nAskExit=false\r\n");
    IniFile ini(path());
    EXPECT_FALSE(
        ini.writeValues("Options",
                        {{"MovableColRow", "true"}, {"AskExit", "true"}, {"GlueMethod", "POS"}})
            .has_value());
    EXPECT_EQ(bytes(), "[Options]\r\nAskExit=true\r\nMovableColRow=true\r\nGlueMethod=POS\r\n");
}

TEST_F(IniWriteMany, UnwritableFolderGivesMessageAndNoFile) {
    IniFile ini((m_dir / "missing" / "lorvane.ini").string());
    const auto error = ini.writeString("Options", "AskExit", "true");
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->empty());
    EXPECT_FALSE(ini.exists());
}

} // namespace
