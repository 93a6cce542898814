// The commands of lorvane-cli, each run on a map built from the map options.
#pragma once

#include "cli/CliOptions.h"
#include "cli/ConsolePorts.h"
#include "engine/CarnoGrid.h"

#include <iosfwd>

/// The map and the console ports a command works with.
struct CliContext {
    TCarnoGrid grid;
    ConsoleMessageBox messages;
    ConsoleTree tree;
    ConsoleProgress progress;
    std::ostream& out;

    explicit CliContext(std::ostream& output);
};

/// Builds the map from the map options in their fixed order. Returns the exit status to end
/// with (1 after a refused map file, set text or formula; 2 for a usage error), or 0.
[[nodiscard]] int buildMap(CliContext& ctx, const CliOptions& options);

/// Prints a usage error with the usage line; returns the exit status 2.
[[nodiscard]] int usageError(const std::string& error);

/// Analyzes the map as the Analyze command does, a product of sums with --pos and with the exact
/// minimizer with --exact. Returns false when the map was refused.
[[nodiscard]] bool analyzeMap(CliContext& ctx, const CliOptions& options);

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

/// The path a FILE argument names: "-" stands for standard output.
[[nodiscard]] std::string outputPath(const std::string& argument);

/// The path a file option (--map, --pla) names: "-" stands for standard input.
[[nodiscard]] std::string inputPath(const std::string& argument);

/// The text printed by --help.
[[nodiscard]] const char* usageText();
