// The minimized outputs of a multi-output function written as one PLA text.
#include "interchange/MultiPla.h"

#include "interchange/Pla.h"

#include <map>

namespace {

/// The distinct cubes of all results in order of first use, each with its output part.
struct SharedCubes {
    std::vector<Cube> cubes;
    std::vector<std::string> outputParts;
};

SharedCubes shareCubes(const std::vector<OutputResult>& results, char member, char other) {
    SharedCubes shared;
    std::map<Cube, std::size_t> index;
    for (std::size_t output = 0; output < results.size(); ++output) {
        for (const Cube& cube : results[output].cubes) {
            const auto [it, added] = index.try_emplace(cube, shared.cubes.size());
            if (added) {
                shared.cubes.push_back(cube);
                shared.outputParts.emplace_back(results.size(), other);
            }
            shared.outputParts[it->second][output] = member;
        }
    }
    return shared;
}

std::string comments(const BooleanFunction& function, TGlueMethod method,
                     const std::vector<OutputResult>& results) {
    const std::vector<std::string> names = plaOutput(function, 0).function.VariableNames();
    std::string text;
    for (std::size_t output = 0; output < results.size(); ++output)
        text += "# " + function.OutputLabel(output) + " = " +
                cubesExpression(names, method, results[output].cubes, Notation::Plain) + "\n";
    return text +
           (method == gmDNF
                ? "# sums of products: every cube is a product term of the outputs marked 1\n"
                : "# products of sums: every cube is where a sum clause, and so each "
                  "output marked 0, is 0\n");
}

} // namespace

std::string outputsPlaText(const BooleanFunction& function, TGlueMethod method,
                           const std::vector<OutputResult>& results) {
    const bool sop = method == gmDNF;
    const SharedCubes shared = shareCubes(results, sop ? '1' : '0', sop ? '0' : '~');
    std::string text = comments(function, method, results);
    text +=
        ".i " + std::to_string(function.inputs) + "\n.o " + std::to_string(results.size()) + "\n";
    text += plaNameLine(".ilb", function.inputNames) + plaNameLine(".ob", function.outputNames);
    text += std::string(".type ") + (sop ? "f" : "r") + "\n.p " +
            std::to_string(shared.cubes.size()) + "\n";
    for (std::size_t i = 0; i < shared.cubes.size(); ++i)
        text += shared.cubes[i].Text(function.inputs) + " " + shared.outputParts[i] + "\n";
    return text + ".e\n";
}
