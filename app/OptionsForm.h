// TOptions: the options dialog, which edits the settings, the variable names and the languages.
#pragma once

#include "ui/AppContext.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class SettingsFile;
class TvekLanguage;
struct Settings;

/// Created once at start, third of the windows, over the settings read by then. Its check boxes
/// and radio buttons show the settings and set them as they are clicked; the languages it adds
/// join the settings' list, which it stores in the settings file when it closes, and a
/// language chosen is stored at once.
class TOptions : public QDialog {
    Q_OBJECT
public:
    /// The dialog edits `settings` and stores the languages in `file`; both outlive it.
    TOptions(const AppContext& context, Settings& settings, SettingsFile& file,
             QWidget* parent = nullptr);

    /// The languages added, as the language list of the settings holds them.
    [[nodiscard]] QStringList Languages() const;

    /// Presets the eight name boxes (variables 1 to 8).
    void SetNames(const std::array<QString, 8>& names);
    /// Text of the name box of variable `i` (1..8), as typed.
    [[nodiscard]] QString Name(int i) const;
    /// The name variable `i` (1..8) takes from its box: upper case, at most ten characters.
    [[nodiscard]] std::string TakenName(int i) const;

    void BitBtn1Click(); ///< Ok: validate the names, then ask to close
    void Button1Click(); ///< Add language
    /// The language combo box's text changed by the user: record the new language and switch.
    void ComboBox1Change(const QString& text);
    /// Whether the dialog may close; stores the language list when it may.
    [[nodiscard]] bool FormCloseQuery();

    /// Cleared when the program starts, set by every Ok whose names are all valid.
    bool NamesValid = false;

public slots:
    void done(int result) override;

signals:
    /// A new language was chosen; `file` is its language file, which may not exist.
    void LanguageChanged(const QString& file);

private:
    void CreatePages();
    QWidget* CreateMapPage();
    QWidget* CreateFunctionPage();
    QWidget* CreateLanguagePage();
    /// A check box that shows and sets the switch `on` of the settings.
    QCheckBox* SwitchBox(const char* name, const char* caption, bool& on);
    void ShowLanguages();
    /// Whether the language list holds `language`, in any letter case.
    [[nodiscard]] bool IsListed(const QString& language) const;
    /// Shows the message of a store into the settings file that failed.
    void ShowWriteError(const std::optional<std::string>& error) const;
    [[nodiscard]] QLineEdit* NameBox(int i) const;

    AppContext m_context;
    Settings& m_settings;
    SettingsFile& m_file;

    QTabWidget* PageControl1;
    QCheckBox* MoveColRow;
    QCheckBox* ColRowSizing;
    QCheckBox* DrawFocus;
    QCheckBox* BitSave;
    QCheckBox* askbox;
    std::array<QLineEdit*, 8> m_names{}; // Edit2 .. Edit9
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QCheckBox* ExactMin;
    QComboBox* ComboBox1;
    QLineEdit* Edit1;
    QPushButton* Button1;
    QPushButton* BitBtn1;
    TvekLanguage* vekLanguage1;
};
