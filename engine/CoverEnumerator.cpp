// Listing and counting every minimum cover in the fixed column order.
#include "engine/CoverSearchInternal.h"

#include <algorithm>

namespace cover {

namespace {

Listing leaf(std::vector<int> chosen) {
    std::sort(chosen.begin(), chosen.end());
    return {1, {std::move(chosen)}};
}

} // namespace

std::vector<std::vector<int>> combine(const std::vector<int>& forced,
                                      const std::vector<std::vector<std::vector<int>>>& parts,
                                      std::size_t limit) {
    std::vector<std::vector<int>> covers;
    std::vector<std::size_t> pick(parts.size(), 0);
    while (covers.size() < limit) {
        std::vector<int> cover = forced;
        for (std::size_t p = 0; p < parts.size(); ++p)
            cover.insert(cover.end(), parts[p][pick[p]].begin(), parts[p][pick[p]].end());
        std::sort(cover.begin(), cover.end());
        covers.push_back(std::move(cover));
        std::size_t p = parts.size();
        while (p > 0 && ++pick[p - 1] == parts[p - 1].size())
            pick[--p] = 0;
        if (p == 0)
            break;
    }
    return covers;
}

Listing Enumerator::List(Node node, const CoverCost& target, int steps) {
    for (bool excluded = true; excluded; steps = kNodeSteps) {
        if (m_deadline.Passed() || !m_reducer.Reduce(node, Dominance::Strict) || node.cost > target)
            return {};
        if (node.uncovered.Empty())
            return node.cost == target ? leaf(node.chosen) : Listing{};
        if (node.cost + m_bound.Needed(node, target, true, steps, excluded) > target)
            return {};
    }
    std::vector<Node> parts = m_reducer.SplitComponents(node);
    if (parts.size() > 1)
        return Product(node, parts, target);
    Listing total;
    for (int c : m_reducer.ColumnsOf(node, m_reducer.BranchRow(node))) {
        Node child = node;
        m_reducer.Take(child, c);
        Add(total, List(std::move(child), target, kNodeSteps));
        if (m_deadline.WasPassed())
            break;
        node.allowed[index(c)] = 0;
    }
    return total;
}

void Enumerator::Add(Listing& total, Listing more) const {
    total.count = saturatingAdd(total.count, more.count);
    for (std::vector<int>& cover : more.covers)
        if (total.covers.size() < m_limit)
            total.covers.push_back(std::move(cover));
}

/// Independent components: each one's minimum decides whether the node can still reach the
/// target; if so their covers combine freely.
Listing Enumerator::Product(const Node& node, const std::vector<Node>& parts,
                            const CoverCost& target) {
    std::vector<CoverCost> minima;
    CoverCost reach = node.cost;
    for (const Node& part : parts) {
        Optimizer optimizer(m_reducer, m_deadline.At());
        optimizer.Run(part);
        if (m_deadline.Passed())
            return {};
        minima.push_back(optimizer.BestCost());
        reach = reach + minima.back();
    }
    if (reach != target)
        return {};
    Listing product{1, {}};
    std::vector<std::vector<std::vector<int>>> lists;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        Listing listing = List(parts[p], minima[p], kNodeSteps);
        if (listing.count == 0)
            return {};
        product.count = saturatingMultiply(product.count, listing.count);
        lists.push_back(std::move(listing.covers));
    }
    product.covers = combine(node.chosen, lists, m_limit);
    return product;
}

} // namespace cover
