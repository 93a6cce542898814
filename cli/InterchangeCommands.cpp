// The lorvane-cli commands pla, expr and image.
#include "cli/InterchangeCommands.h"

#include "cli/ExplainCommand.h"

#include "reports/MapImage.h"
#include "reports/Notation.h"
#include "reports/Pla.h"

#include <ostream>

namespace {

bool isPng(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || path.size() - dot != 4)
        return false;
    std::string extension = path.substr(dot + 1);
    for (char& ch : extension)
        ch = static_cast<char>(ch | 0x20);
    return extension == "png";
}

} // namespace

int plaCommand(CliContext& ctx, const CliOptions& options) {
    if (options.arguments.size() != 1)
        return usageError("pla expects one output FILE");
    const std::string& file = options.arguments.front();
    if (!options.Has("result"))
        return saveMapPla(ctx.grid, file) ? 0 : 1;
    if (!analyzeMap(ctx, options))
        return 1;
    return saveResultPla(ctx.grid, file) ? 0 : 1;
}

int exprCommand(CliContext& ctx, const CliOptions& options) {
    const auto notation = notationNamed(options.notation.value_or("plain"));
    if (!notation)
        return usageError("--notation expects plain, verilog, vhdl, latex or c");
    if (!options.arguments.empty())
        return usageError("expr takes no FILE");
    if (!analyzeMap(ctx, options))
        return 1;
    const auto text = resultAs(ctx.grid, *notation);
    if (!text)
        return 1;
    ctx.out << *text << '\n';
    return 0;
}

int imageCommand(CliContext& ctx, const CliOptions& options) {
    if (options.arguments.size() != 1)
        return usageError("image expects one output FILE");
    const std::string& file = options.arguments.front();
    if (isPdfName(file))
        return pdfImageCommand(ctx, options, file);
    if (isPng(file)) {
        ctx.grid.Message("PNG images are made by the desktop program (File, Export Map Image...); "
                         "write .svg or .tex here.",
                         MsgKind::Error, MsgButtons::Ok);
        return 1;
    }
    if (mapImageFormatOf(file) && !analyzeMap(ctx, options))
        return 1;
    return saveMapImage(ctx.grid, file, true) ? 0 : 1;
}
