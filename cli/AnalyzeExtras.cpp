// What `analyze` prints after the result tree: every minimum cover and the result check.
#include "cli/AnalyzeExtras.h"

#include "engine/ExactMap.h"
#include "engine/ResultCheck.h"

#include <ostream>

namespace {

/// One line per minimum cover (its result text, or the constant), then "SOLUTIONS n"; the
/// number reads "at least n" when the time budget cut the count short.
void printSolutions(CliContext& ctx, const ExactResult& result) {
    for (const std::vector<Cube>& cover : result.solutions)
        ctx.out << coverCaption(ctx.grid, cover) << '\n';
    ctx.out << "SOLUTIONS " << (result.countComplete ? "" : "at least ") << result.solutionCount
            << '\n';
}

/// The first fault of the shown result, or of a listed cover, against the map.
std::string firstFault(const CliContext& ctx, const ExactResult* listed) {
    if (std::string fault = resultFault(ctx.grid, ctx.grid.ResultTerms()); !fault.empty())
        return fault;
    if (!listed)
        return {};
    for (const std::vector<Cube>& cover : listed->solutions)
        if (std::string fault = resultFault(ctx.grid, termsOfCover(ctx.grid, cover));
            !fault.empty())
            return "solution " + coverCaption(ctx.grid, cover) + ": " + fault;
    return {};
}

} // namespace

int printAnalyzeExtras(CliContext& ctx, const CliOptions& options) {
    ExactResult result;
    const bool all = options.Has("all");
    if (all) {
        ExactOptions exact;
        exact.enumerate = true;
        result = minimizeExact(ctx.grid, exact);
        printSolutions(ctx, result);
    }
    if (!options.Has("verify"))
        return 0;
    const std::string fault = firstFault(ctx, all ? &result : nullptr);
    if (!fault.empty()) {
        ctx.out << "VERIFY FAILED: " << fault << '\n';
        return 1;
    }
    ctx.out << "VERIFY OK\n";
    return 0;
}
