// Branch and bound for one minimum cover, with greedy covers and guided completions.
#include "engine/exact/CoverSearchInternal.h"

#include <algorithm>
#include <cassert>
#include <tuple>

namespace cover {

void Optimizer::Run(Node root) {
    Greedy(root);
    m_bound.StartMultipliers(root);
    Visit(std::move(root), kRootSteps);
}

std::vector<int> Optimizer::Best() const {
    std::vector<int> best = m_best;
    std::sort(best.begin(), best.end());
    return best;
}

void Optimizer::Greedy(Node node) {
    while (!node.uncovered.Empty()) {
        int pick = -1;
        int pickCount = 0;
        for (int c = 0; c < m_reducer.ColumnCount(); ++c) {
            if (!node.allowed[index(c)])
                continue;
            const int count = (m_reducer.Rows(c) & node.uncovered).Count();
            if (count > pickCount ||
                (count == pickCount && count > 0 && m_reducer.Weight(c) < m_reducer.Weight(pick))) {
                pick = c;
                pickCount = count;
            }
        }
        assert(pick >= 0 && "a reduced component always has a column for each row");
        m_reducer.Take(node, pick);
    }
    m_best = node.chosen;
    m_bestCost = node.cost;
}

Optimizer::Scores Optimizer::Score(const Node& node) const {
    Scores scores{std::vector<double>(index(m_reducer.ColumnCount()), 0.0),
                  std::vector<int>(index(m_reducer.ColumnCount()), 0)};
    for (int c = 0; c < m_reducer.ColumnCount(); ++c) {
        if (!node.allowed[index(c)])
            continue;
        double cost = 1.0;
        int fresh = 0;
        (m_reducer.Rows(c) & node.uncovered).ForEach([&](int row) {
            cost -= node.countMultipliers[index(row)];
            ++fresh;
        });
        scores.reduced[index(c)] = cost;
        scores.fresh[index(c)] = fresh;
    }
    return scores;
}

/// Completes the node to a cover guided by the multipliers, in two ways, and keeps a
/// completion that beats the best cover so far.
void Optimizer::TryCompletion(const Node& node, const Scores& scores) {
    for (bool rarestRowFirst : {false, true}) {
        Keep(Complete(node, rarestRowFirst, scores));
    }
}

void Optimizer::TakeCounting(Node& node, int c, std::vector<int>& fresh) const {
    (m_reducer.Rows(c) & node.uncovered).ForEach([&](int row) {
        for (int other : m_reducer.ColumnsCovering(row))
            --fresh[index(other)];
    });
    m_reducer.Take(node, c);
}

/// Either the columns of negative reduced cost first and then the cheapest per new row, or
/// for the row with the fewest columns left its cheapest column per new row, until all is
/// covered; then what became redundant is dropped.
Node Optimizer::Complete(const Node& node, bool rarestRowFirst, const Scores& scores) const {
    Node done = node;
    std::vector<int> fresh = scores.fresh;
    std::vector<int> all;
    std::vector<int> added;
    for (int c = 0; c < m_reducer.ColumnCount(); ++c) {
        if (!node.allowed[index(c)])
            continue;
        all.push_back(c);
        if (!rarestRowFirst && scores.reduced[index(c)] < 0.0 && fresh[index(c)] > 0) {
            TakeCounting(done, c, fresh);
            added.push_back(c);
        }
    }
    while (!done.uncovered.Empty()) {
        const int pick =
            Cheapest(rarestRowFirst ? m_reducer.ColumnsOf(done, m_reducer.BranchRow(done)) : all,
                     scores.reduced, fresh);
        TakeCounting(done, pick, fresh);
        added.push_back(pick);
    }
    DropRedundant(node.uncovered, done, added);
    return done;
}

/// The candidate with the least reduced cost per newly covered row.
int Optimizer::Cheapest(const std::vector<int>& candidates, const std::vector<double>& reduced,
                        const std::vector<int>& fresh) {
    int pick = -1;
    double pickScore = 0.0;
    for (int c : candidates) {
        if (fresh[index(c)] == 0)
            continue;
        const double score = (std::max(reduced[index(c)], 0.0) + 1e-3) / fresh[index(c)];
        if (pick < 0 || score < pickScore) {
            pick = c;
            pickScore = score;
        }
    }
    return pick;
}

/// Drops added columns, heaviest first, whose rows the others still cover.
void Optimizer::DropRedundant(const CellSet& rows, Node& done, std::vector<int>& added) const {
    std::stable_sort(added.begin(), added.end(),
                     [&](int a, int b) { return m_reducer.Weight(a) > m_reducer.Weight(b); });
    for (int c : added) {
        CellSet others;
        for (int d : added)
            if (d != c && d >= 0)
                others |= m_reducer.Rows(d);
        if (!(rows & m_reducer.Rows(c)).IsSubsetOf(others))
            continue;
        done.chosen.erase(std::find(done.chosen.begin(), done.chosen.end(), c));
        done.cost = done.cost + CoverCost{-1, -m_reducer.Weight(c)};
        std::replace(added.begin(), added.end(), c, -1);
    }
}

/// Searches the node: the covers with the most promising column first, then, in the same
/// frame, those without it (so the depth stays the number of columns taken).
void Optimizer::Visit(Node node, int steps) {
    while (!m_deadline.Passed() && m_reducer.Reduce(node, Dominance::Full)) {
        if (node.uncovered.Empty()) {
            Keep(node);
            return;
        }
        bool excluded = false;
        if (node.cost + m_bound.Needed(node, m_bestCost, false, steps, excluded) >= m_bestCost)
            return;
        steps = kNodeSteps;
        if (excluded)
            continue;
        const Scores scores = Score(node);
        TryCompletion(node, scores);
        const int c = MostPromising(node, scores);
        Node child = node;
        m_reducer.Take(child, c);
        Visit(std::move(child), kNodeSteps);
        node.allowed[index(c)] = 0;
    }
}

void Optimizer::Keep(const Node& node) {
    if (node.cost >= m_bestCost)
        return;
    m_bestCost = node.cost;
    m_best = node.chosen;
}

/// The column of least reduced cost, then of most rows left, then the lightest.
int Optimizer::MostPromising(const Node& node, const Scores& scores) const {
    int pick = -1;
    std::tuple<double, int, int> pickKey;
    for (int c = 0; c < m_reducer.ColumnCount(); ++c) {
        if (!node.allowed[index(c)])
            continue;
        const std::tuple key{scores.reduced[index(c)], -scores.fresh[index(c)],
                             m_reducer.Weight(c)};
        if (pick < 0 || key < pickKey) {
            pick = c;
            pickKey = key;
        }
    }
    return pick;
}

} // namespace cover
