// The program's windows, created once in a fixed order, and what they share.
#pragma once

#include "app/AppWindows.h"
#include "document/MapDocument.h"
#include "document/Settings.h"
#include "ui/AppContext.h"

#include <QString>

#include <memory>

class QWidget;
struct ReportLinks;

/// Creates the nine windows in their start-up order and owns them, with the map they edit and the
/// settings. The settings are read when the options dialog is created and applied to the main
/// window; they are written when the run ends, before any window goes.
class LorvaneWindows {
public:
    explicit LorvaneWindows(const AppContext& context);
    ~LorvaneWindows();
    LorvaneWindows(const LorvaneWindows&) = delete;
    LorvaneWindows& operator=(const LorvaneWindows&) = delete;

    [[nodiscard]] const AppWindows& windows() const { return m_windows; }
    [[nodiscard]] const AppContext& context() const { return m_context; }
    [[nodiscard]] const Settings& settings() const { return m_settings; }
    [[nodiscard]] const SettingsFile& settingsFile() const { return m_settingsFile; }

    /// Applies the language file `file` to the seven windows that switch at once.
    void ChangeLanguage(const QString& file);

private:
    void readSettings();
    /// The main window's products colour, fonts and the dialogs' start folder into the settings.
    void takeWindowSettings();
    void applySettings();
    void writeSettings();
    /// Writes the texts of the solutions dialog to the default language file, as the windows
    /// that exist for the whole run write theirs when they are created.
    void writeMinimumSolutionsTexts() const;
    void translate(QWidget* window);
    [[nodiscard]] ReportLinks reportLinks() const;
    void showReport(const QString& path) const;
    /// Qt's own texts follow the language of the main window.
    void useQtLanguage() const;

    AppContext m_context;
    Settings m_settings;
    SettingsFile m_settingsFile;
    /// The map the windows show and edit: it outlives them all.
    MapDocument m_document;
    AppWindows m_windows;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TInputForm> m_inputForm;
    std::unique_ptr<TOptions> m_options;
    std::unique_ptr<TAboutBox> m_aboutBox;
    std::unique_ptr<TInputFormula> m_inputFormula;
    std::unique_ptr<TTruthTableForm> m_truthTableForm;
    std::unique_ptr<THelp> m_help;
    std::unique_ptr<TReport> m_report;
    std::unique_ptr<TRepView> m_repView;
};
