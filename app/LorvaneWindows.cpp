// Creating the nine windows in their start-up order.
#include "app/LorvaneWindows.h"

#include "app/AboutForm.h"
#include "app/HelpForm.h"
#include "app/Main.h"
#include "app/OptionsForm.h"
#include "app/QtPorts.h"
#include "app/commands/MinimumSolutions.h"
#include "app/vekLanguage.h"
#include "app/views/CarnoGridView.h"
#include "input/widgets/Input.h"
#include "input/widgets/Input_Formula.h"
#include "input/widgets/TTableForm.h"
#include "reports/widgets/RepViewForm.h"
#include "reports/widgets/ReportForm.h"
#include "ui/Accessibility.h"
#include "ui/ProgramFiles.h"
#include "ui/QtTranslations.h"
#include "ui/UserDialogs.h"
#include "ui/WindowTexts.h"

#include <QFile>
#include <QTreeWidget>

namespace {

std::string localName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

/// Sets the family of a widget's font, keeping its size and style.
void setFontFamily(QWidget* widget, const std::string& family) {
    QFont font = widget->font();
    font.setFamily(QString::fromStdString(family));
    widget->setFont(font);
}

} // namespace

LorvaneWindows::LorvaneWindows(const AppContext& context)
    : m_context(context), m_settingsFile(localName(programSettingsFile(context)),
                                         localName(userSettingsFile(context))) {
    // The settings read with the options dialog apply to the main window: the order matters.
    m_form1 = std::make_unique<TForm1>(m_context, m_document, m_settings);
    m_windows.Form1 = m_form1.get();
    useQtLanguage();
    // The solutions dialog exists only while it is shown; its texts join the main window's.
    writeMinimumSolutionsTexts();
    m_inputForm = std::make_unique<TInputForm>();
    m_windows.InputForm = m_inputForm.get();
    translate(m_inputForm.get());
    readSettings();
    m_options = std::make_unique<TOptions>(m_context, m_settings, m_settingsFile);
    m_windows.Options = m_options.get();
    m_aboutBox = std::make_unique<TAboutBox>();
    m_windows.AboutBox = m_aboutBox.get();
    translate(m_aboutBox.get());
    m_inputFormula = std::make_unique<TInputFormula>(m_document.Grid(), *m_context.messages);
    m_windows.InputFormula = m_inputFormula.get();
    translate(m_inputFormula.get());
    m_truthTableForm = std::make_unique<TTruthTableForm>(m_context.messages);
    m_windows.TruthTableForm = m_truthTableForm.get();
    translate(m_truthTableForm.get());
    m_help = std::make_unique<THelp>(m_context.programFolder);
    m_windows.Help = m_help.get();
    m_report = std::make_unique<TReport>(m_context, m_document.Grid(), reportLinks());
    m_windows.Report = m_report.get();
    translate(m_report.get());
    m_repView = std::make_unique<TRepView>(m_context);
    m_windows.RepView = m_repView.get();
    translate(m_repView.get());
    m_form1->SetWindows(&m_windows);
    for (QWidget* window : std::initializer_list<QWidget*>{
             m_form1.get(), m_inputForm.get(), m_options.get(), m_aboutBox.get(),
             m_inputFormula.get(), m_truthTableForm.get(), m_help.get(), m_report.get(),
             m_repView.get()}) {
        nameControlsByHints(window);
        pressFocusedButtonsOnEnter(window);
    }
    QObject::connect(m_options.get(), &TOptions::LanguageChanged, m_options.get(),
                     [this](const QString& file) { ChangeLanguage(file); });
}

ReportLinks LorvaneWindows::reportLinks() const {
    QTreeWidget* tree = m_form1->ResultTree();
    return {[tree] { return resultTreeLines(tree); },
            [tree](int k) { selectResultTreeLine(tree, k); },
            [this](const QString& path) { showReport(path); }};
}

void LorvaneWindows::showReport(const QString& path) const {
    TRepView* viewer = m_windows.RepView;
    viewer->View(path);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

// The main window and the options dialog translate themselves while they are created.
void LorvaneWindows::translate(QWidget* window) {
    (new TvekLanguage(window, m_context))->InitLanguage();
}

void LorvaneWindows::ChangeLanguage(const QString& file) {
    // The report dialog and its viewer take a new language at the next start.
    const std::initializer_list<QWidget*> switched = {
        m_windows.Form1,        m_windows.InputForm,      m_windows.AboutBox, m_windows.Help,
        m_windows.InputFormula, m_windows.TruthTableForm, m_windows.Options};
    // A language file also holds the start texts of the count box and the name boxes; while
    // the program runs they hold the user's map size and names, which a language leaves alone.
    const QStringList names = {QStringLiteral("Edit2"), QStringLiteral("Edit3"),
                               QStringLiteral("Edit4"), QStringLiteral("Edit5"),
                               QStringLiteral("Edit6"), QStringLiteral("Edit7"),
                               QStringLiteral("Edit8"), QStringLiteral("Edit9")};
    for (QWidget* window : switched) {
        QStringList keep;
        if (window == m_windows.Form1)
            keep << QStringLiteral("Edit1");
        if (window == m_windows.Options)
            keep = names;
        TvekLanguage::ApplyTexts(window, file, keep);
    }
    useQtLanguage();
}

void LorvaneWindows::useQtLanguage() const {
    useQtTranslations(WindowTexts::of(m_form1.get())->text(QStringLiteral("Locale")));
}

void LorvaneWindows::writeMinimumSolutionsTexts() const {
    TMinSolutions dialog;
    TvekLanguage(&dialog, m_context).WriteDefaultTexts();
}

void LorvaneWindows::readSettings() {
    // Keys the file leaves out keep what the main window shows.
    takeWindowSettings();
    if (!m_settingsFile.Read(m_settings))
        return;
    m_form1->SaveCounter = 1;
    applySettings();
}

void LorvaneWindows::takeWindowSettings() {
    m_settings.productsColor = m_document.Grid().TermColor;
    m_settings.mapFont = m_form1->MapView()->font().family().toStdString();
    m_settings.resultFont = m_form1->ResultTree()->font().family().toStdString();
    if (m_context.dialogs)
        m_settings.lastFolder = m_context.dialogs->startFolder().toStdString();
}

void LorvaneWindows::applySettings() {
    m_document.Grid().TermColor = m_settings.productsColor;
    setFontFamily(m_form1->MapView(), m_settings.mapFont);
    setFontFamily(m_form1->ResultTree(), m_settings.resultFont);
    if (m_context.dialogs)
        m_context.dialogs->setStartFolder(QString::fromStdString(m_settings.lastFolder));
    m_form1->ApplyMapSwitches();
}

void LorvaneWindows::writeSettings() {
    takeWindowSettings();
    if (const auto error = m_settingsFile.WriteOptions(m_settings))
        m_context.messages->Show(*error, MsgKind::Error, MsgButtons::Ok);
}

// The settings are written while every window still exists; the windows go in reverse
// declaration order.
LorvaneWindows::~LorvaneWindows() {
    writeSettings();
}
