// Listing and counting every minimum cover in the fixed column order.
#include "engine/exact/CoverSearchInternal.h"

#include <algorithm>

namespace cover {

namespace {

Listing leaf(std::vector<int> chosen) {
    std::sort(chosen.begin(), chosen.end());
    return {1, {std::move(chosen)}};
}

/// Adds `more` to `total`, keeping at most `want` covers.
void add(Listing& total, Listing more, std::size_t want) {
    total.count = saturatingAdd(total.count, more.count);
    for (std::vector<int>& cover : more.covers)
        if (total.covers.size() < want)
            total.covers.push_back(std::move(cover));
}

CoverCost operator-(const CoverCost& a, const CoverCost& b) {
    return {a.columns - b.columns, a.weight - b.weight};
}

} // namespace

std::size_t NodeKeyHash::operator()(const NodeKey& key) const {
    std::size_t hash = key.uncovered.Hash();
    for (std::uint64_t word : key.allowed)
        hash = hash * 0x100000001B3ULL ^ static_cast<std::size_t>(word);
    return hash * 31 + static_cast<std::size_t>(key.cost.columns * 4096 + key.cost.weight);
}

NodeKey keyOf(const Node& node, const CoverCost& cost) {
    NodeKey key{node.uncovered, std::vector<std::uint64_t>((node.allowed.size() + 63) / 64, 0),
                cost};
    for (std::size_t c = 0; c < node.allowed.size(); ++c)
        if (node.allowed[c])
            key.allowed[c / 64] |= std::uint64_t{1} << (c % 64);
    return key;
}

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

Enumerator::Settled Enumerator::Settle(Node& node, const CoverCost& target, int steps) {
    for (bool excluded = true; excluded; steps = kNodeSteps) {
        if (m_deadline.Passed() || !m_reducer.Reduce(node, Dominance::Strict) || node.cost > target)
            return Settled::Dead;
        if (node.uncovered.Empty())
            return node.cost == target ? Settled::Covered : Settled::Dead;
        if (node.cost + m_bound.Needed(node, target, true, steps, excluded) > target)
            return Settled::Dead;
    }
    return Settled::Open;
}

Listing Enumerator::ListUpTo(Node node, const CoverCost& target, int steps, std::size_t want) {
    if (want == 0)
        return {Count(std::move(node), target, steps), {}};
    const Settled settled = Settle(node, target, steps);
    if (settled != Settled::Open)
        return settled == Settled::Covered ? leaf(node.chosen) : Listing{};
    std::vector<Node> parts = m_reducer.SplitComponents(node);
    if (parts.size() > 1)
        return Product(node, parts, target, want);
    Listing total;
    for (int c : m_reducer.ColumnsOf(node, m_reducer.BranchRow(node))) {
        Node child = node;
        m_reducer.Take(child, c);
        add(total, ListUpTo(std::move(child), target, kNodeSteps, want - total.covers.size()),
            want);
        if (m_deadline.WasPassed())
            break;
        node.allowed[index(c)] = 0;
    }
    return total;
}

/// Independent components: each one's minimum decides whether the node can still reach the
/// target; if so their covers combine freely.
Listing Enumerator::Product(const Node& node, const std::vector<Node>& parts,
                            const CoverCost& target, std::size_t want) {
    std::vector<CoverCost> minima;
    if (!PartMinima(node, parts, target, minima))
        return {};
    Listing product{1, {}};
    std::vector<std::vector<std::vector<int>>> lists;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        Listing listing = ListUpTo(parts[p], minima[p], kNodeSteps, want);
        if (listing.count == 0)
            return {};
        product.count = saturatingMultiply(product.count, listing.count);
        lists.push_back(std::move(listing.covers));
    }
    product.covers = combine(node.chosen, lists, want);
    return product;
}

std::uint64_t Enumerator::Count(Node node, const CoverCost& target, int steps) {
    NodeKey key = keyOf(node, target - node.cost);
    if (const auto known = m_counts.find(key); known != m_counts.end())
        return known->second;
    const std::uint64_t count = CountSettled(std::move(node), target, steps);
    if (!m_deadline.WasPassed())
        m_counts.emplace(std::move(key), count);
    return count;
}

std::uint64_t Enumerator::CountSettled(Node node, const CoverCost& target, int steps) {
    const Settled settled = Settle(node, target, steps);
    if (settled != Settled::Open)
        return settled == Settled::Covered ? 1 : 0;
    NodeKey key = keyOf(node, target - node.cost);
    if (const auto known = m_counts.find(key); known != m_counts.end())
        return known->second;
    std::vector<Node> parts = m_reducer.SplitComponents(node);
    std::uint64_t count = 0;
    if (parts.size() > 1) {
        count = CountProduct(node, parts, target);
    } else {
        for (int c : m_reducer.ColumnsOf(node, m_reducer.BranchRow(node))) {
            Node child = node;
            m_reducer.Take(child, c);
            count = saturatingAdd(count, Count(std::move(child), target, kNodeSteps));
            if (m_deadline.WasPassed())
                break;
            node.allowed[index(c)] = 0;
        }
    }
    if (!m_deadline.WasPassed())
        m_counts.emplace(std::move(key), count);
    return count;
}

std::uint64_t Enumerator::CountProduct(const Node& node, const std::vector<Node>& parts,
                                       const CoverCost& target) {
    std::vector<CoverCost> minima;
    if (!PartMinima(node, parts, target, minima))
        return 0;
    std::uint64_t product = 1;
    for (std::size_t p = 0; p < parts.size() && product != 0; ++p)
        product = saturatingMultiply(product, Count(parts[p], minima[p], kNodeSteps));
    return product;
}

bool Enumerator::PartMinima(const Node& node, const std::vector<Node>& parts,
                            const CoverCost& target, std::vector<CoverCost>& minima) {
    CoverCost reach = node.cost;
    for (const Node& part : parts) {
        minima.push_back(Least(part));
        if (m_deadline.Passed())
            return false;
        reach = reach + minima.back();
    }
    return reach == target;
}

CoverCost Enumerator::Least(const Node& part) {
    NodeKey key = keyOf(part, {});
    if (const auto known = m_least.find(key); known != m_least.end())
        return known->second;
    Optimizer optimizer(m_reducer, m_deadline.At());
    optimizer.Run(part);
    if (!optimizer.TimedOut())
        m_least.emplace(std::move(key), optimizer.BestCost());
    return optimizer.BestCost();
}

} // namespace cover
