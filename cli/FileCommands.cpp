// The lorvane-cli commands that print the truth table or write the map to a file.
#include "cli/FileCommands.h"

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
    ctx.grid.BitSave = options.Has("bit-save");
    // A cell the file cannot hold leaves the target as it was: a script gets no file that
    // reads back otherwise than the map.
    return ctx.grid.SaveToFile(outputPath(options.arguments.front()), TLossyCells::WriteNothing)
               ? 0
               : 1;
}

int htmlCommand(CliContext& ctx, const CliOptions& options) {
    return ctx.grid.SaveToHTMLFile(outputPath(options.arguments.front())) ? 0 : 1;
}
