// Finding the program's data files and checking where files can be written.
#pragma once

#include "ui/AppContext.h"

#include <QString>

/// The path of the data file `relative` ("help\\index.htm") below `programFolder`, found
/// without regard to letter case.
[[nodiscard]] QString programFile(const QString& programFolder, const QString& relative);
/// Whether the file writer would try to write `path`: the file, if it exists, is not
/// read-only (by its mode bits, also for root), and a file to create or replace lies in a
/// folder the user may write.
[[nodiscard]] bool canWriteFile(const QString& path);
/// The settings file in the program folder, or in the folder set for settings.
[[nodiscard]] QString programSettingsFile(const AppContext& context);
/// The settings file in the user's configuration folder; empty when there is no such folder.
[[nodiscard]] QString userSettingsFile(const AppContext& context);
