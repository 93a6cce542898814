// Start of the desktop program: the nine windows, then the event loop until the main window
// closes.
#include "app/LorvaneWindows.h"
#include "app/QtPorts.h"
#include "app/Startup.h"
#include "ui/UserDialogs.h"

#include <QApplication>

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
    setUpApplication();
    QtMessageBox messages;
    QtUserDialogs dialogs;
    const QStringList arguments = QApplication::arguments();
    const QString initialMap = arguments.size() > 1 ? arguments.at(1) : QString();
    LorvaneWindows windows(programContext(messages, dialogs, initialMap));
    showMainWindow(windows.windows());
    return QApplication::exec();
}
