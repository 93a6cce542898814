// The lorvane-cli command minimize: every output of a PLA file minimized in one run.
#include "cli/MinimizeCommand.h"

#include "cli/Commands.h"
#include "reports/FileWriter.h"
#include "reports/MultiPla.h"
#include "reports/Pla.h"

#include <iostream>

namespace {

void report(const std::string& text, MsgKind kind) {
    ConsoleMessageBox messages;
    messages.Show(text, kind, MsgButtons::Ok);
}

/// Warns about every output whose exact search stopped before the minimum was proven.
void warnUnproven(const MultiFunction& function, const std::vector<OutputResult>& results) {
    for (std::size_t output = 0; output < results.size(); ++output)
        if (!results[output].proven)
            report("The search for " + function.OutputLabel(output) +
                       " was stopped after one second: its result is not proven minimal.",
                   MsgKind::Warning);
}

void printStats(const MultiFunction& function, const std::vector<OutputResult>& results) {
    for (std::size_t output = 0; output < results.size(); ++output) {
        const OutputResult& result = results[output];
        std::cerr << function.OutputLabel(output) << ": terms " << result.cubes.size()
                  << ", literals " << result.literals << ", minimum "
                  << (result.proven ? "proven" : "not proven") << '\n';
    }
}

/// Reads the written text back and names the first output that no longer gives the input's
/// function; empty when every output does.
std::string differingOutput(const MultiFunction& function, const std::string& text) {
    const auto read = parsePlaOutputs(text);
    const auto* written = std::get_if<MultiFunction>(&read);
    if (!written)
        return function.OutputLabel(0);
    const auto output = firstDifferingOutput(function, *written);
    return output ? function.OutputLabel(*output) : std::string();
}

int write(const std::string& path, const std::string& text) {
    if (const auto error = writeFileAtomically(outputPath(path), text)) {
        report(*error, MsgKind::Error);
        return 1;
    }
    return 0;
}

} // namespace

int minimizeCommand(CliContext&, const CliOptions& options) {
    const auto read = readPlaFile(options.arguments.empty() ? "-" : options.arguments.front());
    if (const auto* message = std::get_if<std::string>(&read)) {
        report(*message, MsgKind::Error);
        return 1;
    }
    const MultiFunction& function = std::get<MultiFunction>(read);
    const bool exact = options.Has("exact");
    const TGlueMethod method = options.Has("pos") ? gmKNF : gmDNF;
    const std::vector<OutputResult> results = minimizeOutputs(function, method, exact);
    if (exact)
        warnUnproven(function, results);
    if (options.Has("stats"))
        printStats(function, results);
    const std::string text = outputsPlaText(function, method, results);
    if (const std::string output = differingOutput(function, text); !output.empty()) {
        report("The result of " + output + " differs from its function in the file.",
               MsgKind::Error);
        return 1;
    }
    return write(options.output.value_or("-"), text);
}
