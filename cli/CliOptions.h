// Command-line parsing of lorvane-cli: the command, its arguments and the map options.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

/// A `--cell C,R=TEXT` option: data column and row from 1, and the text to write.
struct CellOption {
    int col = 0;
    int row = 0;
    std::string text;
};

/// Everything given on the command line, before anything is applied.
struct CliOptions {
    std::string command;
    std::vector<std::string> arguments; ///< positional arguments after the command
    int vars = 4;
    std::optional<std::string> mapFile;
    std::optional<std::string> plaFile;
    std::optional<std::string> plaOutput; ///< the output of the PLA file to load: name or number
    std::optional<std::string> output;    ///< -o OUT of the minimize command
    std::optional<std::string> names;
    std::optional<std::string> ones;
    std::optional<std::string> zeros;
    std::optional<std::string> dontCares;
    std::optional<std::string> formula;
    std::string formulaType = "sop";
    std::optional<std::string> notation; ///< for the expr command
    std::vector<CellOption> cells;
    std::set<std::string> flags; ///< switches without a value, such as "pos" or "levels"
    bool help = false;

    [[nodiscard]] bool Has(const std::string& flag) const { return flags.count(flag) != 0; }
};

/// Parses `args` (without the program name). Returns an error text for a usage error.
[[nodiscard]] std::optional<std::string> parseCommandLine(const std::vector<std::string>& args,
                                                          CliOptions& out);
