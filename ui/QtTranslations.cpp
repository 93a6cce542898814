// Qt's own texts in the language of the windows.
#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

#include <memory>

void useQtTranslations(const QString& locale) {
    static std::unique_ptr<QTranslator> loaded;
    if (loaded) {
        QCoreApplication::removeTranslator(loaded.get());
        loaded.reset();
    }
    if (locale.isEmpty() || locale == QLatin1String("en"))
        return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator.get());
    loaded = std::move(translator);
}
