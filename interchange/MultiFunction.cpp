// A function of several outputs: naming its outputs, minimizing each on its own map, comparing.
#include "interchange/MultiFunction.h"

#include "interchange/Pla.h"

#include <algorithm>
#include <charconv>

namespace {

int literalsOf(const std::vector<Cube>& cubes) {
    int literals = 0;
    for (const Cube& cube : cubes)
        literals += static_cast<int>(
            std::count_if(cube.begin(), cube.end(), [](char ch) { return ch != '-'; }));
    return literals;
}

/// Analyzes the output on the scratch map, which takes its cells and the usable input names.
OutputResult minimizeOn(TCarnoGrid& grid, const MultiFunction& function, std::size_t output,
                        TGlueMethod method, bool exact) {
    applyPla(grid, plaOutput(function, output));
    const AnalyzeOutcome outcome = grid.Analyze(method, exact);
    OutputResult result;
    // Every cell holds "0", "1" or "*" and the map did not change since the analysis, so the
    // result always lies on it.
    result.cubes = resultCubes(grid).value_or(std::vector<Cube>{});
    result.literals = literalsOf(result.cubes);
    result.proven = exact && outcome.proven;
    result.expression = cubesAs(grid, result.cubes, Notation::Plain);
    return result;
}

bool agrees(const std::vector<char>& wanted, const std::vector<char>& read) {
    if (wanted.size() != read.size())
        return false;
    for (std::size_t m = 0; m < wanted.size(); ++m)
        if (wanted[m] != '*' && wanted[m] != read[m])
            return false;
    return true;
}

} // namespace

std::string MultiFunction::OutputLabel(std::size_t output) const {
    if (output < outputNames.size())
        return outputNames[output];
    return "output " + std::to_string(output + 1);
}

std::optional<std::size_t> outputNamed(const MultiFunction& function, std::string_view selector) {
    const auto named =
        std::find(function.outputNames.begin(), function.outputNames.end(), selector);
    if (named != function.outputNames.end())
        return static_cast<std::size_t>(named - function.outputNames.begin());
    std::size_t number = 0;
    const char* end = selector.data() + selector.size();
    const auto [ptr, ec] = std::from_chars(selector.data(), end, number);
    if (ec != std::errc() || ptr != end || number < 1 || number > function.outputs.size())
        return std::nullopt;
    return number - 1;
}

std::vector<OutputResult> minimizeOutputs(const MultiFunction& function, TGlueMethod method,
                                          bool exact) {
    // One scratch map serves every output in turn: without ports it shows and asks nothing.
    TCarnoGrid grid;
    std::vector<OutputResult> results;
    results.reserve(function.outputs.size());
    for (std::size_t output = 0; output < function.outputs.size(); ++output)
        results.push_back(minimizeOn(grid, function, output, method, exact));
    return results;
}

std::optional<std::size_t> firstDifferingOutput(const MultiFunction& wanted,
                                                const MultiFunction& read) {
    if (wanted.inputs != read.inputs || wanted.outputs.size() != read.outputs.size())
        return 0;
    for (std::size_t output = 0; output < wanted.outputs.size(); ++output)
        if (!agrees(wanted.outputs[output], read.outputs[output]))
            return output;
    return std::nullopt;
}
