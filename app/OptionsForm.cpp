// The options dialog: its pages, the settings it shows and sets, the name checks and languages.
#include "app/OptionsForm.h"

#include "app/vekLanguage.h"
#include "document/Settings.h"
#include "engine/Ports.h"
#include "input/VariableNames.h"
#include "support/ProgramPath.h"

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
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kClientWidth = 284;
constexpr int kClientHeight = 219;
constexpr int kFunctionPage = 1;
constexpr int kNameBoxWidth = 58;

QWidget* page(const char* name) {
    auto* widget = new QWidget;
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TOptions::TOptions(const AppContext& context, Settings& settings, SettingsFile& file,
                   QWidget* parent)
    : QDialog(parent), m_context(context), m_settings(settings), m_file(file) {
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(QStringLiteral("Options"));
    CreatePages();
    vekLanguage1 = new TvekLanguage(this, m_context);
    vekLanguage1->InitLanguage();
    ComboBox1->setEditText(vekLanguage1->CurrentLanguageName);
    ShowLanguages();
    // Only the user's choices switch the language, not the texts set above.
    connect(ComboBox1, &QComboBox::textActivated, this, &TOptions::ComboBox1Change);
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, &TOptions::ComboBox1Change);
    // At least the client size the pages are laid out for; larger where the fonts need it.
    PageControl1->setMinimumSize(kClientWidth - 12, kClientHeight - 50);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
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
    MoveColRow = SwitchBox("MoveColRow", "Movable cols && Rows ", m_settings.movableColRow);
    ColRowSizing = SwitchBox("ColRowSizing", "Resizing cols && Rows", m_settings.sizingColRow);
    DrawFocus = SwitchBox("DrawFocus", "Fill Cursor", m_settings.drawFocus);
    BitSave = SwitchBox("BitSave", "Use bit save", m_settings.bitSave);
    askbox = SwitchBox("askbox", "Ask before exit", m_settings.askExit);
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
    RadioButton2 = new QRadioButton(QStringLiteral("POS"));
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setToolTip(QStringLiteral("Analyze \"0\""));
    (m_settings.glueMethod == gmKNF ? RadioButton2 : RadioButton1)->setChecked(true);
    connect(RadioButton2, &QRadioButton::toggled, this,
            [this](bool pos) { m_settings.glueMethod = pos ? gmKNF : gmDNF; });
    auto* radios = new QHBoxLayout(kind);
    radios->addWidget(RadioButton1);
    radios->addWidget(RadioButton2);
    radios->addStretch(1);
    ExactMin = SwitchBox("ExactMin", "Exact minimum", m_settings.exactMinimum);
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

QCheckBox* TOptions::SwitchBox(const char* name, const char* caption, bool& on) {
    auto* box = new QCheckBox(QString::fromUtf8(caption));
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(on);
    connect(box, &QCheckBox::toggled, this, [&on](bool checked) { on = checked; });
    return box;
}

// The languages the program ships join the list the settings keep, so that they need not be
// added by hand.
void TOptions::ShowLanguages() {
    const QString folder = QString::fromStdString(
        resolveProgramPath(m_context.programFolder.toStdString(), "Languages"));
    const QStringList shipped =
        QDir(folder).entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name);
    for (const QString& file : shipped)
        if (!IsListed(QFileInfo(file).completeBaseName()))
            m_settings.languages.push_back(QFileInfo(file).completeBaseName().toStdString());
    for (const QString& language : Languages())
        ComboBox1->addItem(language);
}

bool TOptions::IsListed(const QString& language) const {
    const QStringList languages = Languages();
    return std::any_of(languages.begin(), languages.end(), [&language](const QString& item) {
        return item.compare(language, Qt::CaseInsensitive) == 0;
    });
}

QStringList TOptions::Languages() const {
    QStringList languages;
    for (const std::string& language : m_settings.languages)
        languages << QString::fromStdString(language);
    return languages;
}

void TOptions::ShowWriteError(const std::optional<std::string>& error) const {
    if (error)
        m_context.messages->Show(*error, MsgKind::Error, MsgButtons::Ok);
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
    if (IsListed(language))
        return;
    const std::string file = resolveProgramPath(m_context.programFolder.toStdString(),
                                                "Languages\\" + language.toStdString() + ".lng");
    if (!QFileInfo(QString::fromStdString(file)).isFile())
        return;
    m_settings.languages.push_back(language.toStdString());
    ComboBox1->addItem(language);
    m_context.messages->Show("Language: \"" + language.toStdString() + "\" installed successfully.",
                             MsgKind::Information, MsgButtons::Ok);
}

void TOptions::ComboBox1Change(const QString& text) {
    vekLanguage1->SelectLanguage(text);
    // Recorded before the file is read: a name of no file still becomes the current language.
    ShowWriteError(m_file.WriteCurrentLanguage(
        QFileInfo(vekLanguage1->LanguageFile).fileName().toStdString()));
    emit LanguageChanged(vekLanguage1->LanguageFile);
}

bool TOptions::FormCloseQuery() {
    if (!NamesValid)
        return false;
    ShowWriteError(m_file.WriteLanguages(m_settings));
    return true;
}

void TOptions::done(int result) {
    if (!FormCloseQuery())
        return;
    QDialog::done(result);
}
