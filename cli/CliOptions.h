// Command-line parsing of lorvane-cli: the command, its arguments and the map options.
#pragma once

#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
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
    std::optional<std::string> names;
    std::optional<std::string> ones;
    std::optional<std::string> zeros;
    std::optional<std::string> dontCares;
    std::optional<std::string> formula;
    std::string formulaType = "sop";
    std::optional<std::string> notation; ///< for the expr command
    /// --output (-o): the output's name for expr and pla, the file OUT for minimize.
    std::optional<std::string> output;
    std::vector<CellOption> cells;
    std::set<std::string> flags; ///< switches without a value, such as "pos" or "levels"
    bool help = false;

    [[nodiscard]] bool Has(const std::string& flag) const { return flags.count(flag) != 0; }
};

struct CliContext;

/// The FILE argument of a command: none, exactly one, or one that may be left out.
enum class FileArgument { None, One, Optional };

/// One command of lorvane-cli: what it takes and what runs it. The table of commands
/// (commandTable() in Commands.cpp) is where a new command is added, in one line.
struct CommandEntry {
    std::string_view name;
    /// Whether it takes a FILE argument; "-" stands for standard output or input.
    FileArgument file;
    /// Its options besides the map options, separated by spaces ("pos exact output"). An
    /// option listed here must be in the option table of CliOptions.cpp.
    std::string_view options;
    int (*run)(CliContext&, const CliOptions&);
    /// Whether it works on a map and so takes the map options.
    bool buildsMap = true;
};

/// The entry of `commands` named `name`; nullptr when there is none.
[[nodiscard]] const CommandEntry* commandNamed(std::span<const CommandEntry> commands,
                                               std::string_view name);

/// Parses `args` (without the program name) against the commands. Returns an error text for
/// a usage error: an unknown command or option, an option the command does not take, a
/// missing or surplus argument, an option that takes one value given twice, an empty value.
/// With --help only the options themselves and the command's name are checked.
[[nodiscard]] std::optional<std::string> parseCommandLine(const std::vector<std::string>& args,
                                                          std::span<const CommandEntry> commands,
                                                          CliOptions& out);
