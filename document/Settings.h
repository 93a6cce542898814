// Settings: the program's settings as one value, and the settings file that keeps them between
// runs.
#pragma once

#include "engine/function/GlueMethod.h"
#include "support/IniFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// What the program keeps between runs: the keys of section "Options" of the settings file and
/// the language list of section "Language". The options dialog edits it; the windows read it.
struct Settings {
    bool movableColRow = false;      ///< rows and columns of the map can be dragged to new places
    bool sizingColRow = false;       ///< rows and columns of the map can be resized
    bool drawFocus = true;           ///< "Fill Cursor": the focused cell is painted as selected
    bool bitSave = false;            ///< map files are written with bit planes
    bool askExit = true;             ///< closing asks "Do you really want to quit?"
    TGlueMethod glueMethod = gmDNF;  ///< Analyze gives a sum of products or a product of sums
    bool exactMinimum = false;       ///< Analyze uses the exact minimizer
    std::uint32_t productsColor = 0; ///< as 0x00BBGGRR
    std::string mapFont;             ///< family of the map's font
    std::string resultFont;          ///< family of the result tree's font
    std::string lastFolder;          ///< where the file dialogs open; empty for no folder yet
    std::vector<std::string> languages; ///< the languages added in the options dialog

    bool operator==(const Settings&) const = default;
};

/// Applies the lines of section "Options" to `settings`, in their order: keys match without
/// regard to case, a switch is on only for "true", GlueMethod is a sum of products only for
/// "SOP", a ProductsColor that names no colour (a whole number up to 0xFFFFFF) is skipped,
/// unknown keys are skipped, and keys that are missing leave their values.
void readOptions(Settings& settings, const std::vector<IniFile::KeyValue>& lines);

/// The keys of section "Options" in the order they are written; LastFolder only when set.
[[nodiscard]] std::vector<IniFile::KeyValue> optionLines(const Settings& settings);

/// The settings file. It lives in the program folder while that folder and the file may be
/// written, else in the user's configuration folder; a write the program folder refuses moves
/// it there for the rest of the run. Writes change only the keys they write (see IniFile).
class SettingsFile {
public:
    /// `programFile` lies in the program folder (or the folder set for settings), `userFile` in
    /// the user's configuration folder; an empty `userFile` keeps the file in the program folder.
    SettingsFile(std::string programFile, std::string userFile);

    /// The file writes go to now.
    [[nodiscard]] const std::string& Path() const { return m_path; }

    /// Reads the file into `settings` (see readOptions; the language list grows by the items of
    /// every "SupportedLanguages" key, the name matched exactly): Path(), or the program
    /// folder's file while Path() does not exist. False, with `settings` unchanged, when there
    /// is no file to read.
    bool Read(Settings& settings) const;

    /// Writes section "Options". Each write returns the message for the user when no folder
    /// took the file.
    [[nodiscard]] std::optional<std::string> WriteOptions(const Settings& settings);
    /// Writes the language list as "SupportedLanguages" of section "Language".
    [[nodiscard]] std::optional<std::string> WriteLanguages(const Settings& settings);
    /// Writes the current language's file name as "CurrentLanguage" of section "Language".
    [[nodiscard]] std::optional<std::string> WriteCurrentLanguage(const std::string& file);

private:
    std::optional<std::string> WriteSection(const std::string& section,
                                            const std::vector<IniFile::KeyValue>& values);
    std::optional<std::string> WriteTo(const std::string& section,
                                       const std::vector<IniFile::KeyValue>& values) const;

    std::string m_programFile;
    std::string m_userFile;
    std::string m_path;
};
