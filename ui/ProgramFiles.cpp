// Data files below the program folder, found without regard to letter case, and write checks.
#include "ui/ProgramFiles.h"

#include "support/FileWriter.h"
#include "support/ProgramPath.h"

#include <QDir>
#include <QFile>

QString programFile(const QString& programFolder, const QString& relative) {
    return QFile::decodeName(resolveProgramPath(QFile::encodeName(programFolder).toStdString(),
                                                QFile::encodeName(relative).toStdString())
                                 .c_str());
}

bool canWriteFile(const QString& path) {
    return !writeRefusal(QFile::encodeName(path).toStdString());
}

QString programSettingsFile(const AppContext& context) {
    const QString folder =
        context.settingsFolder.isEmpty() ? context.programFolder : context.settingsFolder;
    return QDir(folder).filePath(context.settingsFileName);
}

QString userSettingsFile(const AppContext& context) {
    if (context.userConfigFolder.isEmpty())
        return {};
    return QDir(context.userConfigFolder).filePath(context.settingsFileName);
}
