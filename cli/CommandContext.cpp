// What every command works with: the map built from the map options, and its analysis.
#include "cli/CommandContext.h"

#include "input/Sets.h"
#include "input/VariableNames.h"
#include "interchange/Pla.h"
#include "support/TextUtil.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <tuple>

namespace {

int usage(const std::string& error) {
    std::cerr << "lorvane-cli: " << consoleText(error) << '\n'
              << "usage: lorvane-cli COMMAND [ARGS] [MAP OPTIONS]  (lorvane-cli --help)\n";
    return 2;
}

/// Sets the names of --names and refuses them as the options dialog does; returns the exit
/// status to end with (2 for an empty field or more than eight names, 1 for names the dialog
/// refuses), or 0.
int applyNames(CliContext& ctx, const std::string& list) {
    const std::vector<std::string> fields = fieldsOf(list, ',');
    if (fields.size() > 8)
        return usage("--names gives " + std::to_string(fields.size()) +
                     " names; a map has at most 8");
    std::vector<std::string> given;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].empty())
            return usage("--names has an empty name at place " + std::to_string(i + 1));
        given.push_back(variableNameOf(fields[i]));
    }
    std::array<std::string, 8> current;
    for (std::size_t i = 0; i < current.size(); ++i)
        current[i] = ctx.grid.VariableName(static_cast<int>(i) + 1);
    const std::array<std::string, 8> names =
        namesWithGiven(given, current, ctx.grid.GetVariableCount());
    const std::vector<std::string> messages = variableNameMessages(names);
    for (const std::string& message : messages)
        ctx.grid.Message(message, MsgKind::Error, MsgButtons::Ok);
    if (!messages.empty())
        return 1;
    for (std::size_t i = 0; i < names.size(); ++i)
        ctx.grid.SetVariableName(static_cast<int>(i) + 1, names[i]);
    return 0;
}

/// Loads the map file; a file that is missing, which the map leaves unreported, gets a message
/// here so that a script sees why nothing ran.
bool loadMapFile(CliContext& ctx, const std::string& path) {
    const int shownBefore = ctx.messages.Shown();
    if (ctx.grid.LoadFromFile(path))
        return true;
    if (ctx.messages.Shown() == shownBefore)
        ctx.grid.Message("Cannot open map file \"" + path + "\": " + std::strerror(ENOENT),
                         MsgKind::Error, MsgButtons::Ok);
    return false;
}

/// Reads the set list an option gives into `minterms`. A refused list shows the sets dialog's
/// message for a character it does not take (exit status 1) or names the field in a usage
/// error (exit status 2); returns that status, or 0.
int readSetOption(const CliContext& ctx, std::string_view option, const std::string& text,
                  MintermBits& minterms) {
    auto read = readSetList(text, ctx.grid.GetVariableCount());
    const auto* problem = std::get_if<SetListProblem>(&read);
    if (!problem) {
        minterms = std::get<MintermBits>(read);
        return 0;
    }
    if (!problem->invalidSymbol)
        return usage("--" + std::string(option) + ": " + problem->text);
    ctx.grid.Message("Invalid symbol in string.", MsgKind::Information, MsgButtons::Ok);
    return 1;
}

/// Fills the cells --ones, --zeros and --dc name, in that order, so that a later set wins
/// where they overlap; nothing is filled when a list is refused. Returns the exit status to
/// end with, or 0.
int applySets(CliContext& ctx, const CliOptions& options) {
    const std::tuple<std::string_view, const std::optional<std::string>*, const char*> sets[] = {
        {"ones", &options.ones, "1"},
        {"zeros", &options.zeros, "0"},
        {"dc", &options.dontCares, "*"}};
    std::vector<std::pair<MintermBits, const char*>> fills;
    for (const auto& [option, text, value] : sets) {
        if (!*text)
            continue;
        MintermBits minterms;
        if (const int status = readSetOption(ctx, option, **text, minterms))
            return status;
        fills.emplace_back(minterms, value);
    }
    for (const auto& [minterms, value] : fills)
        fillMinterms(ctx.grid, minterms, value);
    return 0;
}

} // namespace

int usageError(const std::string& error) {
    return usage(error);
}

bool analyzeMap(CliContext& ctx, const CliOptions& options) {
    const TGlueMethod method = options.Has("pos") ? gmKNF : gmDNF;
    return ctx.grid.Analyze(method, options.Has("exact")).accepted;
}

CliContext::CliContext(std::ostream& output) : out(output) {
    grid.SetMessageBox(&messages);
    grid.SetTreeView(&tree);
    grid.SetProgress(&progress);
}

int buildMap(CliContext& ctx, const CliOptions& options) {
    TCarnoGrid& grid = ctx.grid;
    grid.SetVariableCount(options.vars);
    if (options.mapFile && !loadMapFile(ctx, inputPath(*options.mapFile)))
        return 1;
    if (options.plaOutput && !options.plaFile)
        return usage("--pla-output chooses an output of the file --pla loads");
    if (options.plaFile &&
        !loadPla(grid, inputPath(*options.plaFile), options.plaOutput.value_or("")))
        return 1;
    if (options.names)
        if (const int status = applyNames(ctx, *options.names))
            return status;
    if (const int status = applySets(ctx, options))
        return status;
    if (options.formula) {
        if (const int position = grid.ValidateFormulaString(*options.formula)) {
            grid.Message(TCarnoGrid::FormulaMessage(position), MsgKind::Error, MsgButtons::Ok);
            return 1;
        }
        grid.FormulaType = options.formulaType == "pos" ? ftPOS : ftSOP;
        grid.AnalyzeFormulaString(*options.formula);
    }
    for (const CellOption& cell : options.cells) {
        if (cell.col < 1 || cell.col > grid.DataCols() || cell.row < 1 ||
            cell.row > grid.DataRows())
            return usage("--cell " + std::to_string(cell.col) + "," + std::to_string(cell.row) +
                         " lies outside the map");
        grid.SetCells(cell.col, cell.row, cell.text);
    }
    return 0;
}

std::string outputPath(const std::string& argument) {
    return argument == "-" ? "/dev/stdout" : argument;
}

std::string inputPath(const std::string& argument) {
    return argument == "-" ? "/dev/stdin" : argument;
}
