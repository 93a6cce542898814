// Every output of a function value minimized by the gluing analysis or the exact minimizer.
#include "engine/MultiOutput.h"

#include "engine/Gluing.h"
#include "engine/MapGeometry.h"
#include "engine/exact/ExactMinimizer.h"

#include <cassert>

namespace {

std::vector<Cube> gluedCubes(const BooleanFunction& function, std::size_t output,
                             TGlueMethod method) {
    const MapGeometry geometry(function.inputs);
    std::vector<Cube> cubes;
    for (const TTermItem& term : glueOutput(function, output, method).terms) {
        const auto cube = Cube::Of(geometry.TermMinterms(term), function.inputs);
        assert(cube && "a glued term is a sub-cube");
        cubes.push_back(*cube);
    }
    return cubes;
}

OutputResult minimizeOutput(const BooleanFunction& function, std::size_t output, TGlueMethod method,
                            bool exact) {
    OutputResult result;
    if (exact) {
        const ExactResult found = minimizeExact(function, output, method);
        result.cubes = found.cover;
        result.proven = found.proven;
    } else {
        result.cubes = gluedCubes(function, output, method);
    }
    for (const Cube& cube : result.cubes)
        result.literals += cube.Literals(function.inputs);
    return result;
}

} // namespace

std::vector<OutputResult> minimizeOutputs(const BooleanFunction& function, TGlueMethod method,
                                          bool exact) {
    std::vector<OutputResult> results;
    results.reserve(function.outputs.size());
    for (std::size_t output = 0; output < function.outputs.size(); ++output)
        results.push_back(minimizeOutput(function, output, method, exact));
    return results;
}
