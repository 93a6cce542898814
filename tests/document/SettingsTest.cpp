// The settings value and its file: defaults, the exact bytes written, how values are read, and
// where the file goes when the program folder cannot keep it.
#include "document/Settings.h"
#include "TestSupport.h"
#include "support/FileWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class SettingsFileTest : public testing::Test {
protected:
    ScratchFolder m_folder{"settings"};

    [[nodiscard]] std::string ProgramFile() const { return m_folder.Path("lorvane.ini"); }
    [[nodiscard]] std::string UserFile() const { return m_folder.Path("user/lorvane.ini"); }
    [[nodiscard]] static std::string Bytes(const std::string& path) {
        return readWholeFile(path).value_or("<missing>");
    }
    /// The settings a file with `text` gives.
    [[nodiscard]] Settings ReadFrom(const std::string& text) const {
        EXPECT_FALSE(writeFileAtomically(ProgramFile(), text).has_value());
        Settings settings;
        EXPECT_TRUE(SettingsFile(ProgramFile(), UserFile()).Read(settings));
        return settings;
    }
};

TEST_F(SettingsFileTest, WithoutAFileTheDefaultsStay) {
    Settings settings;
    settings.mapFont = "Window font";
    EXPECT_FALSE(SettingsFile(ProgramFile(), UserFile()).Read(settings));
    Settings expected;
    expected.mapFont = "Window font";
    EXPECT_EQ(settings, expected);
    EXPECT_FALSE(settings.movableColRow || settings.sizingColRow || settings.bitSave ||
                 settings.exactMinimum);
    EXPECT_TRUE(settings.drawFocus && settings.askExit);
    EXPECT_EQ(settings.glueMethod, gmDNF);
    EXPECT_EQ(settings.productsColor, 0U);
}

TEST_F(SettingsFileTest, WritesTheKeysInTheirOrderAndReadsThemBack) {
    Settings settings;
    settings.sizingColRow = true;
    settings.exactMinimum = true;
    settings.productsColor = 255;
    settings.mapFont = "Serif";
    settings.resultFont = "Mono";
    settings.languages = {"German", "Russian"};
    SettingsFile file(ProgramFile(), UserFile());
    EXPECT_FALSE(file.WriteCurrentLanguage("German.lng").has_value());
    EXPECT_FALSE(file.WriteOptions(settings).has_value());
    settings.lastFolder = "/home/maps";
    EXPECT_FALSE(file.WriteLanguages(settings).has_value());
    EXPECT_FALSE(file.WriteOptions(settings).has_value());
    EXPECT_EQ(Bytes(ProgramFile()),
              "[Language]\r\nCurrentLanguage=German.lng\r\nSupportedLanguages=German,Russian\r\n"
              "[Options]\r\nMovableColRow=false\r\nSizingColRow=true\r\nDrawFocus=true\r\n"
              "BitSave=false\r\nAskExit=true\r\nGlueMethod=SOP\r\nExactMinimum=true\r\n"
              "ProductsColor=255\r\nMapFont=Serif\r\nResultFont=Mono\r\n"
              "LastFolder=/home/maps\r\n");
    Settings read;
    ASSERT_TRUE(file.Read(read));
    EXPECT_EQ(read, settings);
}

TEST_F(SettingsFileTest, ValuesAreReadAsWritten) {
    EXPECT_FALSE(ReadFrom("[Options]\r\nAskExit=True\r\n").askExit);
    EXPECT_TRUE(ReadFrom("[Options]\r\naskexit=false\r\nASKEXIT=true\r\n").askExit);
    EXPECT_FALSE(ReadFrom("[Options]\r\nBitSave=true \r\n").bitSave);
    EXPECT_EQ(ReadFrom("[Options]\r\nGlueMethod=sop\r\n").glueMethod, gmKNF);
    EXPECT_EQ(ReadFrom("[Options]\r\nGlueMethod=SOP\r\n").glueMethod, gmDNF);
    EXPECT_FALSE(ReadFrom("[Options]\r\nDrawFocus=1\r\nUnknownKey=1\r\n").drawFocus);
    for (const char* colour : {"red", "-16777201", "12x", "16777216"})
        EXPECT_EQ(ReadFrom("[Options]\r\nProductsColor=255\r\nProductsColor=" +
                           std::string(colour) + "\r\n")
                      .productsColor,
                  255U)
            << colour;
    EXPECT_EQ(ReadFrom("[Language]\r\nsupportedlanguages=Ignored\r\n"
                       "SupportedLanguages=German,,Russian,\r\nSupportedLanguages=Czech\r\n")
                  .languages,
              (std::vector<std::string>{"German", "Russian", "Czech"}));
}

TEST_F(SettingsFileTest, TheUserFolderKeepsWhatTheProgramFolderCannot) {
    // A program folder that is missing: the user's file from the start.
    const std::string missing = m_folder.Path("missing/lorvane.ini");
    SettingsFile perUser(missing, UserFile());
    EXPECT_EQ(perUser.Path(), UserFile());
    Settings settings;
    settings.bitSave = true;
    EXPECT_FALSE(perUser.WriteOptions(settings).has_value());
    Settings read;
    ASSERT_TRUE(SettingsFile(missing, UserFile()).Read(read));
    EXPECT_TRUE(read.bitSave);

    // A write the program folder refuses moves the file for the rest of the run.
    std::filesystem::create_directories(ProgramFile());
    SettingsFile refused(ProgramFile(), UserFile());
    EXPECT_EQ(refused.Path(), ProgramFile());
    EXPECT_FALSE(refused.WriteCurrentLanguage("German.lng").has_value());
    EXPECT_EQ(refused.Path(), UserFile());
    EXPECT_NE(Bytes(UserFile()).find("CurrentLanguage=German.lng\r\n"), std::string::npos);
    // Without a user folder the message says why nothing was written.
    EXPECT_TRUE(SettingsFile(ProgramFile(), "").WriteOptions(settings).has_value());
}

} // namespace
