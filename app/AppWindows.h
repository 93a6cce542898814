// The program's windows, created once in a fixed order, and what they share.
#pragma once

#include "document/MapDocument.h"
#include "ui/AppContext.h"

#include <QString>

#include <memory>

class QWidget;
class TForm1;
class TInputForm;
class TOptions;
class TAboutBox;
class TInputFormula;
class TTruthTableForm;
class THelp;
class TReport;
class TRepView;
struct ReportLinks;

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
    [[nodiscard]] ReportLinks reportLinks() const;
    void showReport(const QString& path) const;

    AppContext m_context;
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
