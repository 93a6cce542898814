// The lorvane-cli commands that print the truth table or write the map to a file.
#include "cli/FileCommands.h"

namespace {

/// The one output FILE a command expects, or nothing after a usage error.
const std::string* outputFile(const CliOptions& options) {
    if (options.arguments.size() != 1)
        return nullptr;
    return &options.arguments.front();
}

} // namespace

int truthCommand(CliContext& ctx, const CliOptions&) {
    FunctionTable table;
    ctx.grid.MapToTruthTable(table);
    const auto digits = static_cast<std::size_t>(table.VariableCount);
    for (std::size_t m = 0; m < table.Values.size(); ++m) {
        ctx.out << TCarnoGrid::ByteToBinary(static_cast<int>(m)).substr(8 - digits) << ' ';
        if (table.Values[m] != '\0')
            ctx.out << table.Values[m];
        ctx.out << '\n';
    }
    return 0;
}

int saveCommand(CliContext& ctx, const CliOptions& options) {
    const std::string* file = outputFile(options);
    if (!file)
        return usageError("save expects one output FILE");
    ctx.grid.BitSave = options.Has("bit-save");
    const int shownBefore = ctx.messages.Shown();
    if (!ctx.grid.SaveToFile(*file))
        return 1;
    // "File write error" for a cell the byte body cannot hold: the file was written, but it
    // does not hold the map faithfully.
    return ctx.messages.Shown() == shownBefore ? 0 : 1;
}

int htmlCommand(CliContext& ctx, const CliOptions& options) {
    const std::string* file = outputFile(options);
    if (!file)
        return usageError("html expects one output FILE");
    return ctx.grid.SaveToHTMLFile(*file) ? 0 : 1;
}
