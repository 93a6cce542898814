// The report command of lorvane-cli: analyse the map and write its HTML report.
#pragma once

#include "cli/CommandContext.h"

/// `report FILE [--truth-table] [--map] [--sets] [--map-each] [--pos]`: analyses like
/// `analyze` and writes the report, built from the templates in the program folder, to FILE.
/// Exit status 0 when written, 1 when the map or a template was refused or FILE could not be
/// written, 2 without FILE.
[[nodiscard]] int reportCommand(CliContext& ctx, const CliOptions& options);
