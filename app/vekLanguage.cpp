// The translation component: built-in texts out to the default language file, a language
// file's texts into the windows.
#include "app/vekLanguage.h"

#include "support/IniFile.h"
#include "ui/ProgramFiles.h"
#include "ui/WindowTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextBrowser>
#include <QWidget>

#include <set>

namespace {

const char* const kSection = "Translations";
const char* const kDefaultFile = "Language.lng";
const QString kLineBreak = QStringLiteral("~~");
const char* const kBuiltInFont = "builtInFont";
constexpr int kSmallestPointSize = 7;
constexpr int kTextPadding = 4;

enum class TextProperty { Caption, Hint, Text };

std::string localName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString encodeBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), kLineBreak);
    text.replace(QLatin1Char('\n'), kLineBreak);
    return text;
}

QString decodeBreaks(QString text) {
    return text.replace(kLineBreak, QStringLiteral("\n"));
}

/// The tooltip set on `action` itself; Qt otherwise answers with the action's text.
QString ownToolTip(QAction* action) {
    const QString tip = action->toolTip();
    const QString text = action->text();
    const QSignalBlocker blocker(action);
    action->setText(text + QLatin1Char('x'));
    const bool own = action->toolTip() == tip;
    action->setText(text);
    return own ? tip : QString();
}

/// The tab widget that shows `widget` as one of its pages, if any.
QTabWidget* tabsOf(const QWidget* widget) {
    const auto* stack = qobject_cast<QStackedWidget*>(widget->parentWidget());
    return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

bool isComponent(const QObject* object) {
    const QString name = object->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
        return false;
    // A submenu's action speaks through its menu.
    const auto* action = qobject_cast<const QAction*>(object);
    return !(action && action->menu());
}

/// The window's named components in ownership order, the first of each name only.
QList<QObject*> components(const QWidget* window) {
    QList<QObject*> found;
    std::set<QString> names;
    for (QObject* object : window->findChildren<QObject*>()) {
        if (!isComponent(object))
            continue;
        if (names.insert(object->objectName().toLower()).second)
            found << object;
    }
    return found;
}

std::optional<QString> captionOf(QObject* object) {
    if (auto* menu = qobject_cast<QMenu*>(object))
        return menu->title();
    if (auto* action = qobject_cast<QAction*>(object))
        return action->text();
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(object))
        return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(object))
        return group->title();
    if (auto* widget = qobject_cast<QWidget*>(object); widget && tabsOf(widget))
        return tabsOf(widget)->tabText(tabsOf(widget)->indexOf(widget));
    return std::nullopt;
}

/// Room the text of `button` takes in `font`, with a little space on either side.
int textWidth(const QAbstractButton* button, const QFont& font) {
    QString text = button->text();
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return QFontMetrics(font).horizontalAdvance(text) + kTextPadding;
}

/// A button of fixed width (the map's tool buttons) keeps its place in a tight bar: a longer
/// text is set in smaller type first, down to kSmallestPointSize, and only then widens it.
void setButtonText(QAbstractButton* button, const QString& text) {
    button->setText(text);
    if (button->minimumWidth() != button->maximumWidth())
        return;
    if (!button->property(kBuiltInFont).isValid())
        button->setProperty(kBuiltInFont, button->font());
    QFont font = button->property(kBuiltInFont).value<QFont>();
    while (textWidth(button, font) > button->maximumWidth() &&
           font.pointSize() > kSmallestPointSize)
        font.setPointSize(font.pointSize() - 1);
    button->setFont(font);
    if (textWidth(button, font) > button->maximumWidth())
        button->setFixedWidth(textWidth(button, font));
}

bool setCaption(QObject* object, const QString& value) {
    if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(value);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        setButtonText(button, value);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(value);
    else if (auto* group = qobject_cast<QGroupBox*>(object))
        group->setTitle(value);
    else if (auto* widget = qobject_cast<QWidget*>(object); widget && tabsOf(widget))
        tabsOf(widget)->setTabText(tabsOf(widget)->indexOf(widget), value);
    else
        return false;
    return true;
}

std::optional<QString> hintOf(QObject* object) {
    if (auto* menu = qobject_cast<QMenu*>(object))
        return ownToolTip(menu->menuAction());
    if (auto* action = qobject_cast<QAction*>(object))
        return ownToolTip(action);
    if (auto* widget = qobject_cast<QWidget*>(object))
        return widget->toolTip();
    return std::nullopt;
}

/// A control that shows its hint in more places than its tooltip (the map shows it on every
/// cell) takes it through its own setter.
bool hasHintSetter(const QObject* object) {
    return object->metaObject()->indexOfMethod("setHint(QString)") >= 0;
}

bool setHint(QObject* object, const QString& value) {
    if (auto* menu = qobject_cast<QMenu*>(object))
        menu->menuAction()->setToolTip(value);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setToolTip(value);
    else if (hasHintSetter(object))
        QMetaObject::invokeMethod(object, "setHint", Q_ARG(QString, value));
    else if (auto* widget = qobject_cast<QWidget*>(object))
        widget->setToolTip(value);
    else
        return false;
    return true;
}

/// Edit boxes, combo boxes and memos; a viewer's page is not a text of the program.
std::optional<QString> textOf(QObject* object) {
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(object))
        return combo->currentText();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(object))
        return memo->toPlainText();
    if (auto* memo = qobject_cast<QTextEdit*>(object); memo && !qobject_cast<QTextBrowser*>(memo))
        return memo->toPlainText();
    return std::nullopt;
}

bool setText(QObject* object, const QString& value) {
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        edit->setText(value);
    else if (auto* combo = qobject_cast<QComboBox*>(object); combo && combo->isEditable())
        combo->setEditText(value);
    else if (combo)
        combo->setCurrentText(value);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(object))
        memo->setPlainText(value);
    else if (auto* memo = qobject_cast<QTextEdit*>(object);
             memo && !qobject_cast<QTextBrowser*>(memo))
        memo->setPlainText(value);
    else
        return false;
    return true;
}

std::optional<QString> readProperty(QObject* object, TextProperty property) {
    switch (property) {
    case TextProperty::Caption:
        return captionOf(object);
    case TextProperty::Hint:
        return hintOf(object);
    case TextProperty::Text:
        return textOf(object);
    }
    return std::nullopt;
}

/// The name a control gives screen readers, when it is its own: a name that repeats the
/// control's hint follows the hint, and buttons speak through their caption or hint (Qt names
/// the buttons inside its own controls, such as a tab bar's arrows, in Qt's language).
std::optional<QString> accessibleNameOf(QObject* object) {
    const auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || qobject_cast<const QAbstractButton*>(widget) ||
        widget->accessibleName().isEmpty() || widget->accessibleName() == widget->toolTip())
        return std::nullopt;
    return widget->accessibleName();
}

/// Appends the texts of one component, each under `key` followed by its property name.
void addTexts(QObject* object, const std::string& key, std::vector<IniFile::KeyValue>& values) {
    if (const auto* table = qobject_cast<WindowTexts*>(object)) {
        for (const WindowTexts::Entry& entry : table->entries())
            values.emplace_back(key + entry.id.toStdString(),
                                encodeBreaks(entry.text).toStdString());
        return;
    }
    const char* const names[] = {"Caption", "Hint", "Text"};
    for (const auto property : {TextProperty::Caption, TextProperty::Hint, TextProperty::Text}) {
        const auto text = readProperty(object, property);
        if (!text || text->isEmpty())
            continue;
        if (property == TextProperty::Caption && *text == QLatin1String("-"))
            continue;
        values.emplace_back(key + names[static_cast<int>(property)],
                            encodeBreaks(*text).toStdString());
    }
    if (const auto name = accessibleNameOf(object))
        values.emplace_back(key + "AccessibleName", encodeBreaks(*name).toStdString());
}

/// Any other writable text property of the object, found by its Qt name in any letter case.
bool setQtProperty(QObject* object, const QString& name, const QString& value) {
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (QString::fromLatin1(property.name()).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (property.metaType().id() != QMetaType::QString || !property.isWritable() ||
            qstrcmp(property.name(), "objectName") == 0)
            return false;
        return property.write(object, value);
    }
    return false;
}

bool setTextProperty(QObject* object, const QString& name, const QString& value) {
    if (auto* table = qobject_cast<WindowTexts*>(object))
        return table->setText(name, value);
    bool done = false;
    if (name.compare(QLatin1String("Caption"), Qt::CaseInsensitive) == 0)
        done = setCaption(object, value);
    else if (name.compare(QLatin1String("Hint"), Qt::CaseInsensitive) == 0)
        done = setHint(object, value);
    else if (name.compare(QLatin1String("Text"), Qt::CaseInsensitive) == 0)
        done = setText(object, value);
    return done || setQtProperty(object, name, value);
}

QObject* findComponent(const QList<QObject*>& list, const QString& name) {
    for (QObject* object : list)
        if (object->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return object;
    return nullptr;
}

/// A language file line "Window.Component.Property=Value", split; nothing when malformed.
struct Translation {
    QString window, component, property, value;
};

std::optional<Translation> parseLine(const std::string& key, const std::string& value) {
    const QString k = QString::fromStdString(key);
    const qsizetype first = k.indexOf(QLatin1Char('.'));
    const qsizetype second = first < 0 ? -1 : k.indexOf(QLatin1Char('.'), first + 1);
    if (second < 0)
        return std::nullopt;
    return Translation{k.left(first), k.mid(first + 1, second - first - 1), k.mid(second + 1),
                       decodeBreaks(QString::fromStdString(value))};
}

} // namespace

TvekLanguage::TvekLanguage(QWidget* window, const AppContext& context)
    : QObject(window), m_window(window), m_context(context) {
    setObjectName(QStringLiteral("vekLanguage1"));
    LanguageFile = DefaultLanguageFile(context);
}

QString TvekLanguage::DefaultLanguageFile(const AppContext& context) {
    const QString inProgram =
        QDir(context.programFolder).filePath(QString::fromLatin1(kDefaultFile));
    if (canWriteFile(inProgram) || context.userConfigFolder.isEmpty())
        return inProgram;
    return QDir(context.userConfigFolder).filePath(QString::fromLatin1(kDefaultFile));
}

QString TvekLanguage::SettingsFileToRead(const AppContext& context) {
    const QString programIni = programSettingsFile(context);
    if (context.userConfigFolder.isEmpty() || canWriteFile(programIni))
        return programIni;
    const QString userIni = userSettingsFile(context);
    return QFileInfo::exists(userIni) ? userIni : programIni;
}

void TvekLanguage::InitLanguage() {
    WriteDefaultTexts();
    ApplyCurrentLanguage();
}

void TvekLanguage::WriteDefaultTexts() {
    LanguageFile = DefaultLanguageFile(m_context);
    if (!m_context.userConfigFolder.isEmpty() &&
        LanguageFile.startsWith(m_context.userConfigFolder))
        QDir().mkpath(m_context.userConfigFolder);
    // A default file that cannot be written is not worth a message: the texts are built in.
    (void)WriteTexts(m_window, LanguageFile);
}

void TvekLanguage::ApplyCurrentLanguage() {
    const auto current =
        IniFile(localName(SettingsFileToRead(m_context))).readString("Language", "CurrentLanguage");
    if (current) {
        const QString value = QString::fromStdString(*current);
        const qsizetype dot = value.indexOf(QLatin1Char('.'));
        CurrentLanguageName = dot < 0 ? QString() : value.left(dot);
        LanguageFile = programFile(m_context.programFolder, QStringLiteral("Languages\\") + value);
    }
    if (QFileInfo(LanguageFile).isFile())
        ApplyTexts(m_window, LanguageFile);
}

void TvekLanguage::SelectLanguage(const QString& name) {
    CurrentLanguageName = name;
    LanguageFile = programFile(m_context.programFolder,
                               QStringLiteral("Languages\\") + name + QStringLiteral(".lng"));
}

std::optional<std::string> TvekLanguage::WriteTexts(QWidget* window, const QString& file) {
    const std::string prefix = window->objectName().toStdString() + ".";
    std::vector<IniFile::KeyValue> values;
    for (QObject* object : components(window))
        addTexts(object, prefix + object->objectName().toStdString() + ".", values);
    return IniFile(localName(file)).writeValues(kSection, values);
}

void TvekLanguage::ApplyTexts(QWidget* window, const QString& file, const QStringList& keep) {
    const QList<QObject*> list = components(window);
    for (const std::string& text : IniFile(localName(file)).readSection(kSection)) {
        if (text.find('=') == std::string::npos)
            continue;
        const auto [key, value] = IniFile::splitLine(text);
        const auto line = parseLine(key, value);
        if (!line || line->window != window->objectName() ||
            keep.contains(line->component, Qt::CaseInsensitive))
            continue;
        if (QObject* component = findComponent(list, line->component))
            setTextProperty(component, line->property, line->value);
    }
}
