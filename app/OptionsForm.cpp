// The options dialog: its pages, the name checks, languages, and the settings file.
#include "app/OptionsForm.h"

#include "app/CarnoGridView.h"
#include "app/Main.h"
#include "app/vekLanguage.h"
#include "engine/Ports.h"
#include "input/StringParcer.h"
#include "input/VariableNames.h"
#include "input/widgets/Input.h"
#include "support/IniFile.h"
#include "support/ProgramPath.h"
#include "ui/UserDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <charconv>

namespace {

constexpr int kClientWidth = 284;
constexpr int kClientHeight = 219;
constexpr int kFunctionPage = 1;
constexpr int kNameBoxWidth = 58;
constexpr std::uint32_t kLargestColor = 0xFFFFFF;

const char* const kOptions = "Options";
const char* const kLanguage = "Language";

std::string boolText(bool on) {
    return on ? "true" : "false";
}

bool sameKey(const std::string& a, const char* b) {
    return QString::fromStdString(a).compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

QCheckBox* checkBox(const char* name, const char* caption, bool checked) {
    auto* box = new QCheckBox(QString::fromUtf8(caption));
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

QWidget* page(const char* name) {
    auto* widget = new QWidget;
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
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

} // namespace

TOptions::TOptions(const AppContext& context, TForm1& form1, QWidget* parent)
    : QDialog(parent), m_context(context), m_form1(form1) {
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(QStringLiteral("Options"));
    CreatePages();
    vekLanguage1 = new TvekLanguage(this, m_context);
    vekLanguage1->InitLanguage();
    ComboBox1->setEditText(vekLanguage1->CurrentLanguageName);
    // Only the user's choices switch the language, not the text set above.
    connect(ComboBox1, &QComboBox::textActivated, this, &TOptions::ComboBox1Change);
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, &TOptions::ComboBox1Change);
    // At least the client size the pages are laid out for; larger where the fonts need it.
    PageControl1->setMinimumSize(kClientWidth - 12, kClientHeight - 50);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ChooseSettingsPath();
    ReadSettings();
}

TOptions::~TOptions() {
    WriteOptions();
}

void TOptions::CreatePages() {
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(CreateMapPage(), QStringLiteral("Map"));
    PageControl1->addTab(CreateFunctionPage(), QStringLiteral("Function"));
    PageControl1->addTab(CreateLanguagePage(), QStringLiteral("Language support"));
    PageControl1->setCurrentIndex(kFunctionPage);
    BitBtn1 = new QPushButton(QStringLiteral("Ok"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TOptions::BitBtn1Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(buttons);
}

QWidget* TOptions::CreateMapPage() {
    QWidget* sheet = page("TabSheet1");
    auto* group = new QGroupBox(QStringLiteral(" Map Settings"));
    group->setObjectName(QStringLiteral("GroupBox"));
    MoveColRow = checkBox("MoveColRow", "Movable cols && Rows ", false);
    ColRowSizing = checkBox("ColRowSizing", "Resizing cols && Rows", false);
    DrawFocus = checkBox("DrawFocus", "Fill Cursor", true);
    BitSave = checkBox("BitSave", "Use bit save", false);
    askbox = checkBox("askbox", "Ask before exit", true);
    auto* boxes = new QVBoxLayout(group);
    for (QCheckBox* box : {MoveColRow, ColRowSizing, DrawFocus, BitSave, askbox})
        boxes->addWidget(box);
    boxes->addStretch(1);
    auto* layout = new QVBoxLayout(sheet);
    layout->addWidget(group);
    return sheet;
}

QWidget* TOptions::CreateFunctionPage() {
    QWidget* sheet = page("TabSheet2");
    auto* names = new QGroupBox(QStringLiteral(" Names of variables "));
    names->setObjectName(QStringLiteral("GroupBox2"));
    names->setToolTip(QStringLiteral("Boolean variable names"));
    auto* grid = new QGridLayout(names);
    for (int i = 0; i < 8; ++i) {
        auto* edit = new QLineEdit(QString(QLatin1Char(static_cast<char>('A' + i))));
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 2));
        edit->setAccessibleName(QStringLiteral("Variable %1").arg(i + 1));
        edit->setMaximumWidth(kNameBoxWidth);
        grid->addWidget(edit, i / 4, i % 4);
        m_names[static_cast<std::size_t>(i)] = edit;
    }
    // Tab goes from Edit7 to Edit9 and then to Edit8: a deliberate order, not a slip.
    setTabOrder(m_names[5], m_names[7]);
    setTabOrder(m_names[7], m_names[6]);

    auto* kind = new QGroupBox(QStringLiteral("Type of Analyze "));
    kind->setObjectName(QStringLiteral("RadioGroup1"));
    RadioButton1 = new QRadioButton(QStringLiteral("SOP"));
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setToolTip(QStringLiteral("Analyze \"1\""));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("POS"));
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setToolTip(QStringLiteral("Analyze \"0\""));
    auto* radios = new QHBoxLayout(kind);
    radios->addWidget(RadioButton1);
    radios->addWidget(RadioButton2);
    radios->addStretch(1);
    ExactMin = checkBox("ExactMin", "Exact minimum", false);
    ExactMin->setToolTip(QStringLiteral("Analyze finds a cover with the fewest terms"));

    auto* layout = new QVBoxLayout(sheet);
    layout->addWidget(names);
    layout->addWidget(kind);
    layout->addWidget(ExactMin);
    layout->addStretch(1);
    return sheet;
}

QWidget* TOptions::CreateLanguagePage() {
    QWidget* sheet = page("TabSheet3");
    auto* label = new QLabel(QStringLiteral("Current Language"));
    label->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    label->setBuddy(ComboBox1);
    auto* group = new QGroupBox(QStringLiteral("Add Language"));
    group->setObjectName(QStringLiteral("GroupBox1"));
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Name of the new language"));
    Button1 = new QPushButton(QStringLiteral("Add"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TOptions::Button1Click);
    auto* add = new QHBoxLayout(group);
    add->addWidget(Edit1, 1);
    add->addWidget(Button1);
    auto* layout = new QVBoxLayout(sheet);
    layout->addWidget(label);
    layout->addWidget(ComboBox1);
    layout->addWidget(group);
    layout->addStretch(1);
    return sheet;
}

bool TOptions::IsPOS() const {
    return RadioButton2->isChecked();
}
bool TOptions::UseBitSave() const {
    return BitSave->isChecked();
}
bool TOptions::AskExit() const {
    return askbox->isChecked();
}
bool TOptions::ExactMinimum() const {
    return ExactMin->isChecked();
}
bool TOptions::DrawFocusOn() const {
    return DrawFocus->isChecked();
}
bool TOptions::MovableOn() const {
    return MoveColRow->isChecked();
}
bool TOptions::SizingOn() const {
    return ColRowSizing->isChecked();
}

QStringList TOptions::Languages() const {
    return comboItems(ComboBox1);
}

QLineEdit* TOptions::NameBox(int i) const {
    return m_names[static_cast<std::size_t>(i - 1)];
}

void TOptions::SetNames(const std::array<QString, 8>& names) {
    for (int i = 1; i <= 8; ++i)
        NameBox(i)->setText(names[static_cast<std::size_t>(i - 1)]);
}

QString TOptions::Name(int i) const {
    return NameBox(i)->text();
}

void TOptions::BitBtn1Click() {
    std::array<std::string, 8> names;
    for (int i = 1; i <= 8; ++i)
        names[static_cast<std::size_t>(i - 1)] = TakenName(i);
    const std::vector<std::string> messages = variableNameMessages(names);
    for (const std::string& message : messages)
        m_context.messages->Show(message, MsgKind::Error, MsgButtons::Ok);
    NamesValid = messages.empty();
    done(QDialog::Accepted);
}

std::string TOptions::TakenName(int i) const {
    // Qt upper-cases every letter; the cut to ten characters is the core's, in characters.
    return variableNameOf(Name(i).toUpper().toStdString());
}

void TOptions::Button1Click() {
    const QString language = Edit1->text();
    for (const QString& item : Languages())
        if (item.compare(language, Qt::CaseInsensitive) == 0)
            return;
    const std::string file = resolveProgramPath(m_context.programFolder.toStdString(),
                                                "Languages\\" + language.toStdString() + ".lng");
    if (!QFileInfo(QString::fromStdString(file)).isFile())
        return;
    ComboBox1->addItem(language);
    m_context.messages->Show("Language: \"" + language.toStdString() + "\" installed successfully.",
                             MsgKind::Information, MsgButtons::Ok);
}

void TOptions::ComboBox1Change(const QString& text) {
    vekLanguage1->SelectLanguage(text);
    // Recorded before the file is read: a name of no file still becomes the current language.
    WriteSection(kLanguage, {{"CurrentLanguage",
                              QFileInfo(vekLanguage1->LanguageFile).fileName().toStdString()}});
    emit LanguageChanged(vekLanguage1->LanguageFile);
}

bool TOptions::FormCloseQuery() {
    if (!NamesValid)
        return false;
    WriteSection(kLanguage,
                 {{"SupportedLanguages", Languages().join(QLatin1Char(',')).toStdString()}});
    return true;
}

void TOptions::done(int result) {
    if (!FormCloseQuery())
        return;
    QDialog::done(result);
}

QString TOptions::ProgramIni() const {
    const QString folder =
        m_context.settingsFolder.isEmpty() ? m_context.programFolder : m_context.settingsFolder;
    return QDir(folder).filePath(m_context.settingsFileName);
}

void TOptions::ChooseSettingsPath() {
    const QString programIni = ProgramIni();
    const QFileInfo folder(QFileInfo(programIni).absolutePath());
    const QFileInfo file(programIni);
    const bool writable =
        folder.isDir() && folder.isWritable() && (!file.exists() || file.isWritable());
    if (writable || m_context.userConfigFolder.isEmpty()) {
        m_settingsPath = programIni;
        return;
    }
    m_settingsPath = QDir(m_context.userConfigFolder).filePath(m_context.settingsFileName);
}

void TOptions::ReadSettings() {
    QString path = m_settingsPath;
    // Settings kept per user fall back to those installed beside the program.
    if (!QFileInfo::exists(path))
        path = ProgramIni();
    if (!QFileInfo(path).isFile())
        return;
    ReadLanguages(path.toStdString());
    m_form1.SaveCounter = 1;
    ReadOptions(path.toStdString());
    m_form1.ApplyMapSwitches(DrawFocusOn(), MovableOn(), SizingOn());
}

void TOptions::ReadLanguages(const std::string& path) {
    for (const auto& [key, value] : IniFile(path).readSectionValues(kLanguage)) {
        if (key != "SupportedLanguages")
            continue;
        TStringParcer parser;
        parser.Text = value;
        parser.Parse(',');
        for (const std::string& item : parser.Items)
            ComboBox1->addItem(QString::fromStdString(item));
    }
}

void TOptions::ReadOptions(const std::string& path) {
    for (const auto& [key, value] : IniFile(path).readSectionValues(kOptions))
        ApplyOption(key, value);
}

void TOptions::ApplyOption(const std::string& key, const std::string& value) {
    const bool on = value == "true";
    if (sameKey(key, "MovableColRow"))
        MoveColRow->setChecked(on);
    else if (sameKey(key, "SizingColRow"))
        ColRowSizing->setChecked(on);
    else if (sameKey(key, "DrawFocus"))
        DrawFocus->setChecked(on);
    else if (sameKey(key, "BitSave"))
        BitSave->setChecked(on);
    else if (sameKey(key, "AskExit"))
        askbox->setChecked(on);
    else if (sameKey(key, "GlueMethod"))
        (value == "SOP" ? RadioButton1 : RadioButton2)->setChecked(true);
    else if (sameKey(key, "ExactMinimum"))
        ExactMin->setChecked(on);
    else if (sameKey(key, "ProductsColor")) {
        // A value that names no colour leaves the products colour as it was.
        if (const auto color = parseColor(value))
            m_form1.Grid().TermColor = *color;
    } else if (sameKey(key, "MapFont")) {
        QFont font = m_form1.MapView()->font();
        font.setFamily(QString::fromStdString(value));
        m_form1.MapView()->setFont(font);
    } else if (sameKey(key, "LastFolder")) {
        if (m_context.dialogs)
            m_context.dialogs->setStartFolder(QString::fromStdString(value));
    } else if (sameKey(key, "ResultFont")) {
        QFont font = m_form1.ResultTree()->font();
        font.setFamily(QString::fromStdString(value));
        m_form1.ResultTree()->setFont(font);
    }
}

void TOptions::WriteOptions() {
    const TCarnoGrid& grid = m_form1.Grid();
    std::vector<std::pair<std::string, std::string>> values = {
        {"MovableColRow", boolText(MovableOn())},
        {"SizingColRow", boolText(SizingOn())},
        {"DrawFocus", boolText(DrawFocusOn())},
        {"BitSave", boolText(UseBitSave())},
        {"AskExit", boolText(AskExit())},
        {"GlueMethod", IsPOS() ? "POS" : "SOP"},
        {"ExactMinimum", boolText(ExactMinimum())},
        {"ProductsColor", std::to_string(grid.TermColor)},
        {"MapFont", m_form1.MapView()->font().family().toStdString()},
        {"ResultFont", m_form1.ResultTree()->font().family().toStdString()}};
    // The folder the file dialogs open in, once one has been used.
    if (m_context.dialogs && !m_context.dialogs->startFolder().isEmpty())
        values.emplace_back("LastFolder", m_context.dialogs->startFolder().toStdString());
    WriteSection(kOptions, values);
}

void TOptions::WriteSection(const std::string& section,
                            const std::vector<std::pair<std::string, std::string>>& values) {
    const QString userIni = QDir(m_context.userConfigFolder).filePath(m_context.settingsFileName);
    const auto write = [&] {
        if (m_settingsPath == userIni)
            QDir().mkpath(m_context.userConfigFolder);
        return IniFile(m_settingsPath.toStdString()).writeValues(section, values);
    };
    auto error = write();
    if (error && !m_context.userConfigFolder.isEmpty() && m_settingsPath != userIni) {
        // The program folder refused the file: keep the settings per user instead.
        m_settingsPath = userIni;
        error = write();
    }
    if (error)
        m_context.messages->Show(*error, MsgKind::Error, MsgButtons::Ok);
}
