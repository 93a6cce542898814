// Start of the desktop program: the nine windows, then the event loop until the main window
// closes.
#include "app/Main.h"
#include "app/Application.h"
#include "app/QtPorts.h"
#include "app/ScreenshotTour.h"
#include "app/UserDialogs.h"

#include "reports/ProgramPath.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

/// Without a display Qt would abort with its own message; say what to do instead.
bool hasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!hasDisplay()) {
        std::fputs("lorvane: no display found. Start it under a virtual display, for example\n"
                   "  xvfb-run -a lorvane [map.lvn]\n"
                   "or use the command-line tool, for example\n"
                   "  lorvane-cli analyze --vars 3 --ones 2,3,5,7\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lorvane"));
    QApplication::setOrganizationName(QStringLiteral("Lorvane"));
    QApplication::setQuitOnLastWindowClosed(false);

    QtMessageBox messages;
    QtUserDialogs dialogs;
    AppContext context;
    context.programFolder = QFile::decodeName(executableFolder().c_str());
    context.userConfigFolder = defaultUserConfigFolder();
    context.userDataFolder = defaultUserDataFolder();
    // A screenshot tour keeps its settings beside its pictures, away from the user's.
    context.settingsFolder = screenshotSettingsFolder();
    context.settingsFileName =
        QFileInfo(QApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".ini");
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        context.initialMap = arguments.at(1);
    context.messages = &messages;
    context.dialogs = &dialogs;

    LorvaneWindows windows(context);
    TForm1* form1 = windows.windows().Form1;
    // The main window has already agreed to close; ending the loop asks no window again.
    QObject::connect(
        form1, &TForm1::closed, &app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    form1->show();
    startScreenshotTourIfAsked(windows.windows());
    return QApplication::exec();
}
