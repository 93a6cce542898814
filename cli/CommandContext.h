// What every command of lorvane-cli works with: the map and the console ports, the map built
// from the map options, the analysis, and the paths that "-" stands for.
#pragma once

#include "cli/CliOptions.h"
#include "cli/ConsolePorts.h"
#include "document/MapDocument.h"

#include <iosfwd>
#include <string>

/// The map and the console ports a command works with.
struct CliContext {
    MapDocument document;
    /// The document's map, which every command works on.
    TCarnoGrid& grid = document.Grid();
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

/// The path a FILE argument names: "-" stands for standard output.
[[nodiscard]] std::string outputPath(const std::string& argument);

/// The path a file option (--map, --pla) names: "-" stands for standard input.
[[nodiscard]] std::string inputPath(const std::string& argument);
