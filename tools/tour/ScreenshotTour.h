// A scripted tour through every window that saves a screenshot of each, for looking at the
// program as a person sees it.
#pragma once

#include <QString>

struct AppWindows;

/// Which pictures a tour takes.
enum class TourKind {
    /// Fills a map by each input path, analyses it, highlights a term, opens every dialog and
    /// menu, and ends by closing the main window.
    Whole,
    /// Only the main window as it starts, saved as "<name>.png".
    Start,
    /// The main window with a result, the options dialog, the report dialog, the about box,
    /// the status-bar hint of a result that is not minimal and the minimum solutions, saved as
    /// "<name>-main.png" and so on.
    Language,
    /// An analysed eight-variable map in the window as it fits the screen, saved as
    /// "<name>.png", and the whole screen as "<name>-screen.png".
    Fit,
};

/// Runs the tour of `kind` over the shown `windows` in the event loop, saving each picture as
/// a PNG file into `folder`, until the program ends; returns the event loop's exit code.
/// `name` names the pictures of the short kinds.
int runScreenshotTour(const AppWindows& windows, const QString& folder, TourKind kind,
                      const QString& name);
