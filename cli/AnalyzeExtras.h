// What `analyze` prints after the result tree: every minimum cover (--all), the check (--verify).
#pragma once

#include "cli/CommandContext.h"

/// Prints, after the result tree, the minimum covers with their number when --all is given
/// and the check of the printed result when --verify is given. Returns the exit status: 1
/// when a check failed, else 0.
[[nodiscard]] int printAnalyzeExtras(CliContext& ctx, const CliOptions& options);
