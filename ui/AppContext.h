// AppContext: what every window needs from its surroundings.
#pragma once

#include <QString>

class IMessageBox;
class IUserDialogs;

/// What every window may need from its surroundings; tests replace each part.
struct AppContext {
    /// The program folder, ending with "/": settings, languages, help and templates live here.
    QString programFolder;
    /// Folder of the settings file; the program folder when empty.
    QString settingsFolder;
    /// Where settings go when the settings folder cannot be written.
    QString userConfigFolder;
    /// Per-user data folder: reports go below it when the program folder cannot be written.
    QString userDataFolder;
    /// File name of the settings file inside either folder ("lorvane.ini").
    QString settingsFileName = QStringLiteral("lorvane.ini");
    /// The map file named on the command line, if any.
    QString initialMap;
    IMessageBox* messages = nullptr;
    IUserDialogs* dialogs = nullptr;
};
