// The program folder and the paths of the data files below it, found without regard to
// letter case.
#pragma once

#include <string>

/// The path of `relative` below `folder`. `relative` may use "\" or "/" as its separator; each
/// of its components is matched without regard to letter case against the entries that exist,
/// so "help\index.htm" finds "Help/Index.htm" on a case-sensitive file system. Components
/// that match nothing are kept as written, so the path names the file that was looked for.
[[nodiscard]] std::string resolveProgramPath(const std::string& folder,
                                             const std::string& relative);

/// The program folder: the folder of the running executable, with a trailing separator; the
/// current folder ("./") when it cannot be found.
[[nodiscard]] std::string executableFolder();
