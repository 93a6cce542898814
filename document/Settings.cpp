// The settings value read from and written to the settings file, and where that file lives.
#include "document/Settings.h"

#include "input/StringParcer.h"
#include "support/FileWriter.h"
#include "support/TextUtil.h"

#include <array>
#include <charconv>
#include <filesystem>

namespace {

const char* const kOptions = "Options";
const char* const kLanguage = "Language";
constexpr long long kLargestColor = 0xFFFFFF;

struct Switch {
    const char* key;
    bool Settings::*member;
};
constexpr std::array<Switch, 6> kSwitches = {{
    {"MovableColRow", &Settings::movableColRow},
    {"SizingColRow", &Settings::sizingColRow},
    {"DrawFocus", &Settings::drawFocus},
    {"BitSave", &Settings::bitSave},
    {"AskExit", &Settings::askExit},
    {"ExactMinimum", &Settings::exactMinimum},
}};

struct Text {
    const char* key;
    std::string Settings::*member;
};
constexpr std::array<Text, 3> kTexts = {{
    {"MapFont", &Settings::mapFont},
    {"ResultFont", &Settings::resultFont},
    {"LastFolder", &Settings::lastFolder},
}};

std::string boolText(bool on) {
    return on ? "true" : "false";
}

/// The colour of a "ProductsColor" value: a whole number naming a colour, else nothing.
std::optional<std::uint32_t> parseColor(const std::string& value) {
    long long number = 0;
    const char* end = value.data() + value.size();
    const auto result = std::from_chars(value.data(), end, number);
    if (result.ec != std::errc() || result.ptr != end || number < 0 || number > kLargestColor)
        return std::nullopt;
    return static_cast<std::uint32_t>(number);
}

void readOption(Settings& settings, const std::string& key, const std::string& value) {
    for (const Switch& entry : kSwitches)
        if (sameIgnoringCase(key, entry.key))
            settings.*entry.member = value == "true";
    for (const Text& entry : kTexts)
        if (sameIgnoringCase(key, entry.key))
            settings.*entry.member = value;
    if (sameIgnoringCase(key, "GlueMethod"))
        settings.glueMethod = value == "SOP" ? gmDNF : gmKNF;
    if (sameIgnoringCase(key, "ProductsColor"))
        settings.productsColor = parseColor(value).value_or(settings.productsColor);
}

std::filesystem::path folderOf(const std::string& file) {
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

/// Whether the settings may stay in `file`: its folder and the file, if it exists, may be
/// written.
bool mayKeep(const std::string& file) {
    std::error_code error;
    const std::filesystem::path folder = folderOf(file);
    if (!std::filesystem::is_directory(folder, error) || !accessAllowsWriting(folder.string()))
        return false;
    return !std::filesystem::exists(file, error) || accessAllowsWriting(file);
}

} // namespace

void readOptions(Settings& settings, const std::vector<IniFile::KeyValue>& lines) {
    for (const auto& [key, value] : lines)
        readOption(settings, key, value);
}

std::vector<IniFile::KeyValue> optionLines(const Settings& settings) {
    std::vector<IniFile::KeyValue> lines = {
        {"MovableColRow", boolText(settings.movableColRow)},
        {"SizingColRow", boolText(settings.sizingColRow)},
        {"DrawFocus", boolText(settings.drawFocus)},
        {"BitSave", boolText(settings.bitSave)},
        {"AskExit", boolText(settings.askExit)},
        {"GlueMethod", settings.glueMethod == gmKNF ? "POS" : "SOP"},
        {"ExactMinimum", boolText(settings.exactMinimum)},
        {"ProductsColor", std::to_string(settings.productsColor)},
        {"MapFont", settings.mapFont},
        {"ResultFont", settings.resultFont}};
    if (!settings.lastFolder.empty())
        lines.emplace_back("LastFolder", settings.lastFolder);
    return lines;
}

SettingsFile::SettingsFile(std::string programFile, std::string userFile)
    : m_programFile(std::move(programFile)), m_userFile(std::move(userFile)),
      m_path(m_userFile.empty() || mayKeep(m_programFile) ? m_programFile : m_userFile) {}

bool SettingsFile::Read(Settings& settings) const {
    std::error_code error;
    // Settings kept per user fall back to those installed beside the program.
    const std::string& path = std::filesystem::exists(m_path, error) ? m_path : m_programFile;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    const IniFile file(path);
    for (const auto& [key, value] : file.readSectionValues(kLanguage)) {
        if (key != "SupportedLanguages")
            continue;
        TStringParcer parser;
        parser.Text = value;
        parser.Parse(',');
        settings.languages.insert(settings.languages.end(), parser.Items.begin(),
                                  parser.Items.end());
    }
    readOptions(settings, file.readSectionValues(kOptions));
    return true;
}

std::optional<std::string> SettingsFile::WriteOptions(const Settings& settings) {
    return WriteSection(kOptions, optionLines(settings));
}

std::optional<std::string> SettingsFile::WriteLanguages(const Settings& settings) {
    return WriteSection(kLanguage, {{"SupportedLanguages", join(settings.languages, ",")}});
}

std::optional<std::string> SettingsFile::WriteCurrentLanguage(const std::string& file) {
    return WriteSection(kLanguage, {{"CurrentLanguage", file}});
}

std::optional<std::string>
SettingsFile::WriteSection(const std::string& section,
                           const std::vector<IniFile::KeyValue>& values) {
    auto error = WriteTo(section, values);
    if (error && !m_userFile.empty() && m_path != m_userFile) {
        // The program folder refused the file: keep the settings per user instead.
        m_path = m_userFile;
        error = WriteTo(section, values);
    }
    return error;
}

std::optional<std::string>
SettingsFile::WriteTo(const std::string& section,
                      const std::vector<IniFile::KeyValue>& values) const {
    if (m_path == m_userFile) {
        std::error_code ignored;
        std::filesystem::create_directories(folderOf(m_userFile), ignored);
    }
    return IniFile(m_path).writeValues(section, values);
}
