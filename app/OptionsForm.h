// TOptions: the options dialog, which holds the settings while the program runs and reads and
// writes the settings file.
#pragma once

#include "app/AppWindows.h"

#include <QDialog>

#include <array>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TvekLanguage;

/// Created once at start, third of the windows: it reads the settings file and applies it to
/// the main window, and writes section "Options" when it is destroyed at the end of the run.
/// Other windows look the settings up here while the program runs.
class TOptions : public QDialog {
    Q_OBJECT
public:
    TOptions(const AppContext& context, TForm1& form1, QWidget* parent = nullptr);
    ~TOptions() override;

    // Settings as the other windows read them.
    [[nodiscard]] bool IsPOS() const;
    [[nodiscard]] bool UseBitSave() const;
    [[nodiscard]] bool AskExit() const;
    /// "Exact minimum": Analyze uses the exact minimizer instead of the gluing analysis.
    [[nodiscard]] bool ExactMinimum() const;
    [[nodiscard]] bool DrawFocusOn() const;
    [[nodiscard]] bool MovableOn() const;
    [[nodiscard]] bool SizingOn() const;
    [[nodiscard]] QStringList Languages() const;

    /// Presets the eight name boxes (variables 1 to 8).
    void SetNames(const std::array<QString, 8>& names);
    /// Text of the name box of variable `i` (1..8), as typed.
    [[nodiscard]] QString Name(int i) const;
    /// The name variable `i` (1..8) takes from its box: upper case, at most ten characters.
    [[nodiscard]] std::string TakenName(int i) const;

    /// The file settings are written to: the program folder's, or the per-user one when the
    /// program folder cannot be written.
    [[nodiscard]] const QString& SettingsPath() const { return m_settingsPath; }

    void BitBtn1Click(); ///< Ok: validate the names, then ask to close
    void Button1Click(); ///< Add language
    /// The language combo box's text changed by the user: record the new language and switch.
    void ComboBox1Change(const QString& text);
    /// Whether the dialog may close; stores the language list when it may.
    [[nodiscard]] bool FormCloseQuery();
    /// Writes the keys of section "Options".
    void WriteOptions();

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
    /// The settings file in the program folder (or the folder set for settings).
    [[nodiscard]] QString ProgramIni() const;
    void ChooseSettingsPath();
    void ReadSettings();
    void ReadLanguages(const std::string& path);
    void ReadOptions(const std::string& path);
    void ApplyOption(const std::string& key, const std::string& value);
    void WriteSection(const std::string& section,
                      const std::vector<std::pair<std::string, std::string>>& values);
    [[nodiscard]] QLineEdit* NameBox(int i) const;

    AppContext m_context;
    TForm1& m_form1;
    QString m_settingsPath;

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
