// The program's windows, created once in a fixed order, and what they share.
#pragma once

#include <QString>

#include <memory>

class IMessageBox;
class QWidget;
class IUserDialogs;
class TForm1;
class TInputForm;
class TOptions;
class TAboutBox;
class TInputFormula;
class TTruthTableForm;
class THelp;
class TReport;
class TRepView;

/// What every window may need from its surroundings; tests replace each part.
struct AppContext {
    /// The program folder, ending with "/": settings, languages, help and templates live here.
    QString programFolder;
    /// Folder of the settings file; the program folder when empty.
    QString settingsFolder;
    /// Where settings go when the settings folder cannot be written.
    QString userConfigFolder;
    /// Per-user data folder: reports go below it when the program folder cannot be written.
    QString userDataFolder;
    /// File name of the settings file inside either folder ("lorvane.ini").
    QString settingsFileName = QStringLiteral("lorvane.ini");
    /// The map file named on the command line, if any.
    QString initialMap;
    IMessageBox* messages = nullptr;
    IUserDialogs* dialogs = nullptr;
};

/// The nine windows, reachable from one place.
struct AppWindows {
    TForm1* Form1 = nullptr;
    TInputForm* InputForm = nullptr;
    TOptions* Options = nullptr;
    TAboutBox* AboutBox = nullptr;
    TInputFormula* InputFormula = nullptr;
    TTruthTableForm* TruthTableForm = nullptr;
    THelp* Help = nullptr;
    TReport* Report = nullptr;
    TRepView* RepView = nullptr;
};

/// Creates the nine windows in their start-up order and owns them. They are destroyed in the
/// reverse order, so the options dialog writes the settings while the main window still
/// exists.
class LorvaneWindows {
public:
    explicit LorvaneWindows(const AppContext& context);
    ~LorvaneWindows();
    LorvaneWindows(const LorvaneWindows&) = delete;
    LorvaneWindows& operator=(const LorvaneWindows&) = delete;

    [[nodiscard]] const AppWindows& windows() const { return m_windows; }
    [[nodiscard]] const AppContext& context() const { return m_context; }

    /// Applies the language file `file` to the seven windows that switch at once.
    void ChangeLanguage(const QString& file);

private:
    void translate(QWidget* window);

    AppContext m_context;
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

/// The per-user configuration folder for settings that cannot live in the program folder.
[[nodiscard]] QString defaultUserConfigFolder();
/// The path of the data file `relative` ("help\\index.htm") below `programFolder`, found
/// without regard to letter case.
[[nodiscard]] QString programFile(const QString& programFolder, const QString& relative);
/// Whether a file can be created or replaced at `path`: its folder exists and is writable,
/// and so is the file if it exists.
[[nodiscard]] bool canWriteFile(const QString& path);
/// The per-user data folder for files the program writes but cannot keep in its own folder.
[[nodiscard]] QString defaultUserDataFolder();
