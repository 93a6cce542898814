// Exact covering: reduces the table, splits it into independent components, solves each one.
#include "engine/exact/CoverSearch.h"

#include "engine/exact/CoverSearchInternal.h"

#include <algorithm>
#include <cassert>

namespace {

using namespace cover;

/// Outcome of one component.
struct Part {
    std::vector<std::vector<int>> covers;
    CoverCost cost;
    bool proven = true;
    std::uint64_t count = 0;
    bool countComplete = true;
};

/// The optimizer's cover first, then the other enumerated ones in their order.
std::vector<std::vector<int>> chosenFirst(std::vector<int> chosen,
                                          const std::vector<std::vector<int>>& listed,
                                          std::size_t limit) {
    std::vector<std::vector<int>> covers{std::move(chosen)};
    for (const std::vector<int>& cover : listed)
        if (covers.size() < limit && cover != covers.front())
            covers.push_back(cover);
    return covers;
}

Part solvePart(const Reducer& reducer, const Node& node, const CoverRequest& request) {
    Part part;
    Optimizer optimizer(reducer, request.deadline);
    optimizer.Run(node);
    part.cost = optimizer.BestCost();
    part.proven = !optimizer.TimedOut();
    part.count = 1;
    part.countComplete = part.proven;
    std::vector<std::vector<int>> listed;
    if (request.enumerate && part.proven) {
        Enumerator enumerator(reducer, request.deadline, request.limit);
        Node start = node;
        Bound(reducer).StartMultipliers(start);
        Listing listing = enumerator.List(std::move(start), part.cost, kRootSteps);
        listed = std::move(listing.covers);
        part.count = std::max<std::uint64_t>(listing.count, 1);
        part.countComplete = !enumerator.TimedOut();
    }
    part.covers = chosenFirst(optimizer.Best(), listed, request.limit);
    return part;
}

} // namespace

CoverOutcome solveCover(const CoverTable& table, const CoverRequest& request) {
    CoverOutcome outcome;
    const Reducer reducer(table);
    Node root;
    root.uncovered = table.rows;
    root.allowed.assign(table.columns.size(), 1);
    [[maybe_unused]] const bool coverable = reducer.Reduce(root, Dominance::Strict);
    assert(coverable && "every row lies in some column");
    std::vector<Part> parts;
    for (const Node& node : reducer.SplitComponents(root))
        parts.push_back(solvePart(reducer, node, request));
    outcome.cost = root.cost;
    outcome.count = 1;
    for (const Part& part : parts) {
        outcome.cost = outcome.cost + part.cost;
        outcome.proven = outcome.proven && part.proven;
        outcome.count = saturatingMultiply(outcome.count, part.count);
        outcome.countComplete = outcome.countComplete && part.countComplete;
    }
    if (outcome.count == std::numeric_limits<std::uint64_t>::max())
        outcome.countComplete = false;
    std::vector<std::vector<std::vector<int>>> lists;
    for (const Part& part : parts)
        lists.push_back(part.covers);
    outcome.covers = combine(root.chosen, lists, std::max<std::size_t>(request.limit, 1));
    return outcome;
}
