// The lorvane-cli commands that hand the map or its result to other tools: PLA, notations, images.
#pragma once

#include "cli/CommandContext.h"

/// `pla FILE [--result] [--pos]`: writes the map as a PLA file; with --result analyses like
/// `analyze` and writes the cubes of the result instead. Exit status 1 when the map was refused
/// or FILE could not be written, 2 without FILE.
[[nodiscard]] int plaCommand(CliContext& ctx, const CliOptions& options);

/// `expr [--notation plain|verilog|vhdl|latex|c] [--pos]`: analyses like `analyze` and prints
/// the result in the notation (plain by default). Exit status 1 when the map was refused, 2 for
/// an unknown notation.
[[nodiscard]] int exprCommand(CliContext& ctx, const CliOptions& options);

/// `image FILE [--pos]`: analyses like `analyze` and writes the map with the result's groups as
/// SVG (.svg) or TikZ (.tex). PNG is left to the desktop program. Exit status 1 when the map was
/// refused, the type is not written here or FILE could not be written, 2 without FILE.
[[nodiscard]] int imageCommand(CliContext& ctx, const CliOptions& options);
