// Finding the program's data files and checking where files can be written.
#pragma once

#include <QString>

/// The path of the data file `relative` ("help\\index.htm") below `programFolder`, found
/// without regard to letter case.
[[nodiscard]] QString programFile(const QString& programFolder, const QString& relative);
/// Whether a file can be created or replaced at `path`: its folder exists and is writable,
/// and so is the file if it exists.
[[nodiscard]] bool canWriteFile(const QString& path);
