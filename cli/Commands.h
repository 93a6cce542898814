// The commands of lorvane-cli, each run on a map built from the map options.
#pragma once

#include "cli/CommandContext.h"

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

/// Every command with what it takes: the table parseCommandLine checks against.
[[nodiscard]] std::span<const CommandEntry> commandTable();

/// Builds the map (for a command that works on one), runs the parsed command, then checks that
/// everything it printed reached standard output: a failed write there (a full disk, a closed
/// stream) prints a message and makes a status of 0 into 1. Returns the process exit status.
[[nodiscard]] int runCommand(CliContext& ctx, const CliOptions& options);

/// Flushes `out` (standard output) and checks that everything written to it arrived; prints
/// "error: Cannot write to standard output: REASON" when it did not (the reason that a
/// StandardOutputBuffer under `out` kept).
[[nodiscard]] bool outputReached(std::ostream& out);

/// The text printed by --help.
[[nodiscard]] const char* usageText();

/// The text printed by `COMMAND --help`: the command's usage line, its part of usageText and,
/// for a command that builds a map, the map options. Empty for a name that is no command.
[[nodiscard]] std::string commandUsage(std::string_view name);
