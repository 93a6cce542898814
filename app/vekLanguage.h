// TvekLanguage: the translation component that writes a window's texts to a language file and
// applies a language file to a window.
#pragma once

#include "ui/AppContext.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class QWidget;

/// One instance, named "vekLanguage1", sits on each translated window. A language file is an
/// ini file whose section "Translations" holds lines "Window.Component.Property=Value": the
/// window part must match the window's name exactly, the component and property parts match
/// without regard to case, and "~~" in a value stands for a line break. Components are the
/// window's named widgets, actions and menus; "Caption" is a control's visible text (a
/// button's or label's text, a group's, menu's or page's title), "Hint" its tooltip, "Text"
/// the contents of an edit or combo box and "AccessibleName" the name a screen reader reads
/// for a control that shows no text of its own. Any other text property is addressed by its
/// Qt name. The window's text table "Texts" (WindowTexts) is a component whose properties are
/// its entries.
class TvekLanguage : public QObject {
    Q_OBJECT
public:
    /// Puts the component on `window`.
    TvekLanguage(QWidget* window, const AppContext& context);

    /// Full path of the language file in use.
    QString LanguageFile;
    /// Name of the current language, as the options dialog shows it.
    QString CurrentLanguageName;

    /// Writes the built-in texts of `window` to the default language file, then applies the
    /// current language named in the settings file.
    void InitLanguage();
    /// The first half of InitLanguage: the built-in texts to the default language file.
    void WriteDefaultTexts();
    /// The second half: applies the language that the settings file names, or the default
    /// file when it names none.
    void ApplyCurrentLanguage();
    /// Points `LanguageFile` at the installed language `name` ("Languages/<name>.lng").
    void SelectLanguage(const QString& name);

    /// Writes every Caption, Hint, Text and own AccessibleName of the components of `window`,
    /// and every entry of its text table, into section
    /// "Translations" of `file`, replacing the values of keys already there. Returns a
    /// message when the file cannot be written.
    static std::optional<std::string> WriteTexts(QWidget* window, const QString& file);
    /// Sets the text properties of `window`'s components that `file` names. Lines for other
    /// windows, unknown components or properties, lines without "=" and lines for the
    /// components named in `keep` are skipped.
    static void ApplyTexts(QWidget* window, const QString& file, const QStringList& keep = {});

    /// The default language file "Language.lng": in the program folder, or in the per-user
    /// folder when the program folder cannot be written.
    [[nodiscard]] static QString DefaultLanguageFile(const AppContext& context);
    /// The settings file the current language is read from.
    [[nodiscard]] static QString SettingsFileToRead(const AppContext& context);

private:
    QWidget* m_window;
    AppContext m_context;
};
