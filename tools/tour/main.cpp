// Start of the screenshot tour: the program's windows, driven by a script that saves a picture
// of each.
#include "app/LorvaneWindows.h"
#include "app/QtPorts.h"
#include "app/Startup.h"
#include "tools/tour/ScreenshotTour.h"
#include "ui/UserDialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace {

struct TourRequest {
    QString folder;
    QString map;
    TourKind kind = TourKind::Whole;
    QString name;
};

/// Reads "[--start NAME | --language NAME | --fit NAME] FOLDER [MAP]"; shows the usage and exits on
/// anything else.
TourRequest parseArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Takes screenshots of every window of Lorvane into FOLDER."));
    parser.addHelpOption();
    const QCommandLineOption start(QStringLiteral("start"),
                                   QStringLiteral("Only the main window as it starts: NAME.png."),
                                   QStringLiteral("NAME"));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("The main window, the options, the report dialog and the about box in "
                       "the current language: NAME-main.png and so on."),
        QStringLiteral("NAME"));
    const QCommandLineOption fit(
        QStringLiteral("fit"),
        QStringLiteral("Only the window with an analysed eight-variable map: NAME.png and the "
                       "whole screen as NAME-screen.png."),
        QStringLiteral("NAME"));
    parser.addOptions({start, language, fit});
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("Folder of the pictures and the settings file."));
    parser.addPositionalArgument(QStringLiteral("MAP"), QStringLiteral("Map file to open."),
                                 QStringLiteral("[MAP]"));
    parser.process(arguments);
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() || positional.size() > 2 ||
        int(parser.isSet(start)) + int(parser.isSet(language)) + int(parser.isSet(fit)) > 1)
        parser.showHelp(2);
    TourRequest request;
    request.folder = positional.at(0);
    request.map = positional.value(1);
    if (parser.isSet(start)) {
        request.kind = TourKind::Start;
        request.name = parser.value(start);
    }
    if (parser.isSet(fit)) {
        request.kind = TourKind::Fit;
        request.name = parser.value(fit);
    }
    if (parser.isSet(language)) {
        request.kind = TourKind::Language;
        request.name = parser.value(language);
    }
    return request;
}

/// The tour keeps its settings beside its pictures, away from the user's.
QString settingsFolder(const QString& folder) {
    QDir().mkpath(folder);
    return QFileInfo(folder).absoluteFilePath();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication();
    const TourRequest request = parseArguments(QApplication::arguments());
    QtMessageBox messages;
    QtUserDialogs dialogs;
    AppContext context = programContext(messages, dialogs, request.map);
    context.settingsFolder = settingsFolder(request.folder);
    // A settings file written for the program serves the tour as well.
    context.settingsFileName = QStringLiteral("lorvane.ini");
    LorvaneWindows windows(context);
    showMainWindow(windows.windows());
    return runScreenshotTour(windows.windows(), request.folder, request.kind, request.name);
}
