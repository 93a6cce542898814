// Start-up shared by the desktop program and the screenshot tour.
#include "app/Startup.h"

#include "app/Main.h"
#include "support/ProgramPath.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

/// The per-user configuration folder for settings that cannot live in the program folder.
QString userConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

/// The per-user data folder for files the program writes but cannot keep in its own folder.
QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Lorvane"));
    QApplication::setOrganizationName(QStringLiteral("Lorvane"));
    // Desktops match the window to its menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lorvane.lorvane"));
    QApplication::setQuitOnLastWindowClosed(false);
}

AppContext programContext(IMessageBox& messages, IUserDialogs& dialogs, const QString& initialMap) {
    AppContext context;
    context.programFolder = QFile::decodeName(executableFolder().c_str());
    context.userConfigFolder = userConfigFolder();
    context.userDataFolder = userDataFolder();
    context.settingsFileName =
        QFileInfo(QApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".ini");
    context.initialMap = initialMap;
    context.messages = &messages;
    context.dialogs = &dialogs;
    return context;
}

void showMainWindow(const AppWindows& windows) {
    TForm1* form1 = windows.Form1;
    // The main window has already agreed to close; ending the loop asks no window again.
    QObject::connect(
        form1, &TForm1::closed, qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    form1->show();
}
