// The lorvane-cli command minimize: every output of a PLA file minimized in one run.
#pragma once

#include "cli/CommandContext.h"

/// `minimize [FILE|-] [--exact] [--pos] [-o OUT] [--stats]`: reads a PLA file (standard input
/// without FILE or for "-"), minimizes every output on a map of its own and writes all results
/// as one PLA file to OUT (standard output without -o or for "-"), after reading the written
/// text back and comparing each output with the input function. --stats prints one line per
/// output on standard error. Exit status 1 when the file is refused, an output differs or the
/// result could not be written; 2 for a usage error. Builds no map.
[[nodiscard]] int minimizeCommand(CliContext& ctx, const CliOptions& options);
