// Qt's own texts (standard buttons, file and print dialogs) in the language of the windows.
#pragma once

class QString;

/// Loads Qt's translations for `locale` ("de", "ru", ...) from the folder Qt's installation
/// keeps them in, in place of those loaded before; "en", an empty locale or one Qt has no
/// translation for leaves Qt's own English texts.
void useQtTranslations(const QString& locale);
