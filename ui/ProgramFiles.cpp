// Data files below the program folder, found without regard to letter case, and write checks.
#include "ui/ProgramFiles.h"

#include "support/FileWriter.h"
#include "support/ProgramPath.h"

#include <QFile>

QString programFile(const QString& programFolder, const QString& relative) {
    return QFile::decodeName(resolveProgramPath(QFile::encodeName(programFolder).toStdString(),
                                                QFile::encodeName(relative).toStdString())
                                 .c_str());
}

bool canWriteFile(const QString& path) {
    return !writeRefusal(QFile::encodeName(path).toStdString());
}
