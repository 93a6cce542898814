// A scripted tour through every window that saves a screenshot of each, for looking at the
// program as a person sees it.
#pragma once

#include <QString>

struct AppWindows;

/// The folder a screenshot tour keeps its settings in; empty when no tour is asked for.
[[nodiscard]] QString screenshotSettingsFolder();

/// When the environment variable LORVANE_SCREENSHOT_SCRIPT names a folder, schedules the tour:
/// it fills a map by each input path, analyses it, highlights a term, opens every dialog,
/// saves each window as a PNG file into that folder and then quits the program.
void startScreenshotTourIfAsked(const AppWindows& windows);
