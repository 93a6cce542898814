// The report command of lorvane-cli: analyse the map and write its HTML report.
#pragma once

#include "cli/Commands.h"

#include <string>

/// `report FILE [--truth-table] [--map] [--sets] [--map-each] [--pos]`: analyses like
/// `analyze` and writes the report, built from the templates in the program folder, to FILE.
/// Exit status 0 when written, 1 when the map or a template was refused or FILE could not be
/// written, 2 without FILE.
[[nodiscard]] int Report(CliContext& ctx, const CliOptions& options);

/// The folder of the running executable, with a trailing separator; the current folder when
/// it cannot be found.
[[nodiscard]] std::string ExecutableFolder();
