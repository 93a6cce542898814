// The lorvane-cli commands that print the truth table or write the map to a file.
#pragma once

#include "cli/CommandContext.h"

/// `truth`: one line per input combination, its digits, a space and the first character of
/// its cell (nothing after the space for an empty cell).
[[nodiscard]] int truthCommand(CliContext& ctx, const CliOptions& options);

/// `save FILE [--bit-save]`: writes the map file. Exit status 1, with FILE left as it was,
/// when the file could not be written or a cell could not be stored in it.
[[nodiscard]] int saveCommand(CliContext& ctx, const CliOptions& options);

/// `html FILE`: writes the map as an HTML page. Exit status 1 when the file could not be
/// written.
[[nodiscard]] int htmlCommand(CliContext& ctx, const CliOptions& options);
