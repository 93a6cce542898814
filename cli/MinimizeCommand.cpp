// The lorvane-cli command minimize: every output of a PLA file minimized in one run.
#include "cli/MinimizeCommand.h"

#include "cli/CommandContext.h"
#include "engine/FileMessages.h"
#include "engine/MultiOutput.h"
#include "input/VariableNames.h"
#include "interchange/MultiPla.h"
#include "interchange/Pla.h"
#include "support/FileWriter.h"

#include <iostream>

namespace {

/// Warns about every output whose exact search stopped before the minimum was proven.
void warnUnproven(const TCarnoGrid& grid, const BooleanFunction& function,
                  const std::vector<OutputResult>& results) {
    for (std::size_t output = 0; output < results.size(); ++output)
        if (!results[output].proven)
            grid.Message("The search for " + escapedText(function.OutputLabel(output)) +
                             " was stopped after one second: its result is not proven minimal.",
                         MsgKind::Warning, MsgButtons::Ok);
}

void printStats(const BooleanFunction& function, const std::vector<OutputResult>& results) {
    for (std::size_t output = 0; output < results.size(); ++output) {
        const OutputResult& result = results[output];
        std::cerr << escapedText(function.OutputLabel(output)) << ": terms " << result.cubes.size()
                  << ", literals " << result.literals << ", minimum "
                  << (result.proven ? "proven" : "not proven") << '\n';
    }
}

/// Reads the written text back and names the first output that no longer gives the input's
/// function; empty when every output does.
std::string differingOutput(const BooleanFunction& function, const std::string& text) {
    const auto read = parsePlaOutputs(text);
    const auto* written = std::get_if<BooleanFunction>(&read);
    if (!written)
        return function.OutputLabel(0);
    const auto output = firstDifferingOutput(function, *written);
    return output ? function.OutputLabel(*output) : std::string();
}

} // namespace

int minimizeCommand(CliContext& ctx, const CliOptions& options) {
    const auto read = loadPlaOutputs(
        ctx.grid, inputPath(options.arguments.empty() ? "-" : options.arguments.front()));
    if (!read)
        return 1;
    const BooleanFunction& function = *read;
    const bool exact = options.Has("exact");
    const TGlueMethod method = options.Has("pos") ? gmKNF : gmDNF;
    const std::vector<OutputResult> results = minimizeOutputs(function, method, exact);
    if (exact)
        warnUnproven(ctx.grid, function, results);
    if (options.Has("stats"))
        printStats(function, results);
    const std::string text = outputsPlaText(function, method, results);
    if (const std::string output = differingOutput(function, text); !output.empty()) {
        ctx.grid.Message("The result of " + escapedText(output) +
                             " differs from its function in the file.",
                         MsgKind::Error, MsgButtons::Ok);
        return 1;
    }
    return writeText(ctx.grid, outputPath(options.output.value_or("-")), text) ? 0 : 1;
}
