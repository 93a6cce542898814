// Creating the nine windows in their start-up order.
#include "app/Application.h"

#include "app/AboutForm.h"
#include "app/HelpForm.h"
#include "app/Main.h"
#include "app/OptionsForm.h"
#include "input/Input.h"
#include "input/Input_Formula.h"
#include "input/TTableForm.h"
#include "reports/RepViewForm.h"
#include "reports/ReportForm.h"

#include <QCoreApplication>
#include <QStandardPaths>

LorvaneWindows::LorvaneWindows(const AppContext& context) : m_context(context) {
    // The options dialog applies the settings to the main window while it is created, and the
    // formula dialog validates against the main window's map: the order matters.
    m_form1 = std::make_unique<TForm1>(m_context);
    m_windows.Form1 = m_form1.get();
    m_inputForm = std::make_unique<TInputForm>();
    m_windows.InputForm = m_inputForm.get();
    m_options = std::make_unique<TOptions>(m_context, *m_form1);
    m_windows.Options = m_options.get();
    m_aboutBox = std::make_unique<TAboutBox>();
    m_windows.AboutBox = m_aboutBox.get();
    m_inputFormula = std::make_unique<TInputFormula>(m_form1->Grid(), *m_context.messages);
    m_windows.InputFormula = m_inputFormula.get();
    m_truthTableForm = std::make_unique<TTruthTableForm>(m_context.messages);
    m_windows.TruthTableForm = m_truthTableForm.get();
    m_help = std::make_unique<THelp>();
    m_windows.Help = m_help.get();
    m_report = std::make_unique<TReport>();
    m_windows.Report = m_report.get();
    m_repView = std::make_unique<TRepView>();
    m_windows.RepView = m_repView.get();
    m_form1->SetWindows(&m_windows);
}

// Members go in reverse declaration order: the options dialog before the main window.
LorvaneWindows::~LorvaneWindows() = default;

QString executableFolder() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString defaultUserConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}
