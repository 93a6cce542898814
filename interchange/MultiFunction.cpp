// Every output of a function value minimized on its own map.
#include "interchange/MultiFunction.h"

#include "interchange/Pla.h"

namespace {

int literalsOf(const std::vector<Cube>& cubes, int variables) {
    int literals = 0;
    for (const Cube& cube : cubes)
        literals += cube.Literals(variables);
    return literals;
}

/// Analyzes the output on the scratch map, which takes its cells and the usable input names.
OutputResult minimizeOn(TCarnoGrid& grid, const BooleanFunction& function, std::size_t output,
                        TGlueMethod method, bool exact) {
    applyPla(grid, plaOutput(function, output));
    const AnalyzeOutcome outcome = grid.Analyze(method, exact);
    OutputResult result;
    // Every cell holds "0", "1" or "*" and the map did not change since the analysis, so the
    // result always lies on it.
    result.cubes = resultCubes(grid).value_or(std::vector<Cube>{});
    result.literals = literalsOf(result.cubes, function.inputs);
    result.proven = exact && outcome.proven;
    result.expression = cubesAs(grid, result.cubes, Notation::Plain);
    return result;
}

} // namespace

std::vector<OutputResult> minimizeOutputs(const BooleanFunction& function, TGlueMethod method,
                                          bool exact) {
    // One scratch map serves every output in turn: without ports it shows and asks nothing.
    TCarnoGrid grid;
    std::vector<OutputResult> results;
    results.reserve(function.outputs.size());
    for (std::size_t output = 0; output < function.outputs.size(); ++output)
        results.push_back(minimizeOn(grid, function, output, method, exact));
    return results;
}
