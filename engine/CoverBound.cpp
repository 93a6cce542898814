// Lower bounds of the exact cover search: Lagrangian relaxations, independent rows, weights.
#include "engine/CoverSearchInternal.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace cover {

namespace {

constexpr double kEpsilon = 1e-7;

int ceilBound(double value) {
    return static_cast<int>(std::ceil(value - kEpsilon));
}

/// The allowed columns that still cover a row, with those rows as flat lists.
struct ActiveColumns {
    std::vector<int> columns;
    std::vector<double> costs;
    std::vector<std::size_t> begin; ///< rows of column k: rows[begin[k] .. begin[k + 1])
    std::vector<int> rows;
};

/// One Lagrangian relaxation: a cost per active column and the bound that would prune.
struct Relaxation {
    Multipliers& multipliers;
    const ActiveColumns& active;
    double goal;
};

/// Rows that pairwise share no column each need a column of their own.
CoverCost independentRowsBound(const Reducer& reducer, const Node& node) {
    std::vector<std::pair<int, int>> rows; // (degree, row)
    node.uncovered.ForEach([&](int row) { rows.emplace_back(reducer.Degree(node, row), row); });
    std::sort(rows.begin(), rows.end());
    CellSet blocked;
    CoverCost bound;
    for (const auto& [degree, row] : rows) {
        if (blocked.Contains(row))
            continue;
        int lightest = INT_MAX;
        for (int c : reducer.ColumnsCovering(row)) {
            if (!node.allowed[index(c)])
                continue;
            lightest = std::min(lightest, reducer.Weight(c));
            blocked |= reducer.Rows(c);
        }
        bound = bound + CoverCost{1, lightest};
    }
    return bound;
}

ActiveColumns activate(const Reducer& reducer, const Node& node) {
    ActiveColumns active;
    for (int c = 0; c < reducer.ColumnCount(); ++c) {
        if (!node.allowed[index(c)])
            continue;
        active.columns.push_back(c);
        active.costs.push_back(1.0);
        active.begin.push_back(active.rows.size());
        (reducer.Rows(c) & node.uncovered).ForEach([&](int row) { active.rows.push_back(row); });
    }
    active.begin.push_back(active.rows.size());
    return active;
}

/// The column's cost less the multipliers of its rows.
double reducedCost(const Multipliers& u, const ActiveColumns& active, std::size_t k) {
    double cost = active.costs[k];
    for (std::size_t i = active.begin[k]; i < active.begin[k + 1]; ++i)
        cost -= u[index(active.rows[i])];
    return cost;
}

/// Lagrangian bound of the relaxation at `u`, with its subgradient.
double evaluate(const Node& node, const Relaxation& relaxation, const Multipliers& u,
                Multipliers& gradient) {
    double bound = 0.0;
    node.uncovered.ForEach([&](int row) {
        bound += u[index(row)];
        gradient[index(row)] = 1.0;
    });
    const ActiveColumns& active = relaxation.active;
    for (std::size_t k = 0; k < active.columns.size(); ++k) {
        const double cost = reducedCost(u, active, k);
        if (cost >= 0.0)
            continue;
        bound += cost;
        for (std::size_t i = active.begin[k]; i < active.begin[k + 1]; ++i)
            gradient[index(active.rows[i])] -= 1.0;
    }
    return bound;
}

/// Subgradient steps towards the relaxation's goal; every multiplier vector gives a lower
/// bound, and the best one found is kept in the relaxation for the node's children.
double improve(const Node& node, const Relaxation& relaxation, int steps) {
    Multipliers u = relaxation.multipliers;
    Multipliers gradient{};
    double best = -std::numeric_limits<double>::max();
    double scale = 2.0;
    int stale = 0;
    for (int step = 0; step < steps; ++step) {
        const double bound = evaluate(node, relaxation, u, gradient);
        if (bound > best + kEpsilon) {
            best = bound;
            relaxation.multipliers = u;
            stale = 0;
        } else if (++stale >= 4) {
            scale /= 2.0;
            stale = 0;
        }
        double norm = 0.0;
        node.uncovered.ForEach(
            [&](int row) { norm += gradient[index(row)] * gradient[index(row)]; });
        if (ceilBound(best) >= relaxation.goal || norm == 0.0)
            break;
        const double length = scale * (relaxation.goal - bound) / norm;
        node.uncovered.ForEach([&](int row) {
            u[index(row)] = std::max(0.0, u[index(row)] + length * gradient[index(row)]);
        });
    }
    return best;
}

/// A column whose reduced cost lifts the bound to `reach` cannot be in a wanted cover.
bool excludeCostly(Node& node, const Relaxation& relaxation, double bound, double reach) {
    bool excluded = false;
    const ActiveColumns& active = relaxation.active;
    for (std::size_t k = 0; k < active.columns.size(); ++k) {
        const double cost = reducedCost(relaxation.multipliers, active, k);
        if (cost <= 0.0 || ceilBound(bound + cost) < reach)
            continue;
        node.allowed[index(active.columns[k])] = 0;
        excluded = true;
    }
    return excluded;
}

} // namespace

void Bound::StartMultipliers(Node& node) const {
    node.countMultipliers.fill(0.0);
    node.weightMultipliers.fill(0.0);
    node.uncovered.ForEach([&](int row) {
        double count = 1.0;
        double weight = std::numeric_limits<double>::max();
        for (int c : m_reducer.ColumnsCovering(row)) {
            if (!node.allowed[index(c)])
                continue;
            const double share = 1.0 / (m_reducer.Rows(c) & node.uncovered).Count();
            count = std::min(count, share);
            weight = std::min(weight, share * m_reducer.Weight(c));
        }
        node.countMultipliers[index(row)] = count;
        node.weightMultipliers[index(row)] = weight;
    });
}

CoverCost Bound::Needed(Node& node, const CoverCost& limit, bool keepEqual, int steps,
                        bool& excluded) const {
    excluded = false;
    ActiveColumns active = activate(m_reducer, node);
    int lightest = INT_MAX;
    for (int c : active.columns)
        lightest = std::min(lightest, m_reducer.Weight(c));
    // Every column still needed weighs at least as much as the lightest one.
    auto withLightest = [&](CoverCost bound) {
        bound.weight = std::max(bound.weight, bound.columns * lightest);
        return bound;
    };
    CoverCost bound = withLightest(independentRowsBound(m_reducer, node));
    const CoverCost reached = node.cost + bound;
    if (reached > limit || (!keepEqual && reached == limit))
        return bound;
    const int columnsLeft = limit.columns - node.cost.columns;
    Relaxation count{node.countMultipliers, active, columnsLeft + 1.0};
    const double countBound = improve(node, count, steps);
    bound.columns = std::max(bound.columns, ceilBound(countBound));
    bound = withLightest(bound);
    if (bound.columns > columnsLeft)
        return bound;
    excluded = excludeCostly(node, count, countBound, columnsLeft + 1.0);
    if (bound.columns < columnsLeft)
        return bound;
    // Only covers with exactly the limit's column count remain: their weight decides.
    const int weightLeft = limit.weight - node.cost.weight;
    const double reach = keepEqual ? weightLeft + 1.0 : weightLeft;
    for (std::size_t k = 0; k < active.columns.size(); ++k)
        active.costs[k] = m_reducer.Weight(active.columns[k]);
    Relaxation weight{node.weightMultipliers, active, reach};
    const double weightBound = improve(node, weight, steps);
    bound.weight = std::max(bound.weight, ceilBound(weightBound));
    if (ceilBound(weightBound) < reach)
        excluded = excludeCostly(node, weight, weightBound, reach) || excluded;
    return bound;
}

} // namespace cover
