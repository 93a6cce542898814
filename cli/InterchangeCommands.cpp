// The lorvane-cli commands pla, expr and image.
#include "cli/InterchangeCommands.h"

#include "cli/ExplainCommand.h"

#include "engine/FileMessages.h"
#include "interchange/MapImage.h"
#include "interchange/Notation.h"
#include "interchange/Pla.h"
#include "support/FileWriter.h"
#include "support/TextUtil.h"

#include <ostream>

namespace {

bool isPng(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || path.size() - dot != 4)
        return false;
    return lowerAscii(std::string_view(path).substr(dot + 1)) == "png";
}

bool namesAnOutput(Notation notation) {
    return notation == Notation::Verilog || notation == Notation::Vhdl ||
           notation == Notation::VerilogModule || notation == Notation::VhdlEntity;
}

} // namespace

int plaCommand(CliContext& ctx, const CliOptions& options) {
    const std::string file = outputPath(options.arguments.front());
    const std::string output = options.output.value_or("");
    if (!options.Has("result")) {
        if (options.Has("pos") || options.Has("exact"))
            return usageError("--pos and --exact go with pla --result");
        return saveMapPla(ctx.grid, file, output) ? 0 : 1;
    }
    if (!analyzeMap(ctx, options))
        return 1;
    return saveResultPla(ctx.grid, file, output) ? 0 : 1;
}

int exprCommand(CliContext& ctx, const CliOptions& options) {
    const auto notation = notationNamed(options.notation.value_or("plain"));
    if (!notation)
        return usageError(
            "--notation expects plain, verilog, vhdl, latex, c, verilog-module or vhdl-entity");
    if (options.output && !namesAnOutput(*notation))
        return usageError("--output goes with --notation verilog, vhdl, verilog-module or "
                          "vhdl-entity");
    if (!analyzeMap(ctx, options))
        return 1;
    const auto text = resultAs(ctx.grid, *notation, options.output.value_or(""));
    if (!text)
        return 1;
    ctx.out << *text << '\n';
    return 0;
}

int imageCommand(CliContext& ctx, const CliOptions& options) {
    const std::string& file = options.arguments.front();
    if (isPdfName(file))
        return pdfImageCommand(ctx, options, file);
    if (isPng(file)) {
        ctx.grid.Message("PNG images are made by the desktop program (File, Export Map Image...); "
                         "write .svg or .tex here.",
                         MsgKind::Error, MsgButtons::Ok);
        return 1;
    }
    // Standard output has no extension to choose by: it gets SVG.
    const bool toOutput = file == "-";
    if ((toOutput || mapImageFormatOf(file)) && !analyzeMap(ctx, options))
        return 1;
    if (!toOutput)
        return saveMapImage(ctx.grid, file, true) ? 0 : 1;
    return writeText(ctx.grid, outputPath(file), mapSvg(ctx.grid, true)) ? 0 : 1;
}
