// Lower bounds of the exact cover search: Lagrangian relaxations, independent rows, weights.
#include "engine/exact/CoverSearchInternal.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <climits>

namespace cover {

namespace {

constexpr double kEpsilon = 1e-7;

/// The least whole number not below the value less kEpsilon (the value is far inside the int
/// range); computed without a library call, so the subgradient loop keeps its sums in registers.
int ceilBound(double value) {
    const double lowered = value - kEpsilon;
    const int whole = static_cast<int>(lowered);
    return lowered > whole ? whole + 1 : whole;
}

/// Columns taken four at a time, so that their reduced costs are summed side by side.
constexpr std::size_t kLanes = 4;

/// The allowed columns and the rows they still cover, for the relaxations. Rows are numbered
/// densely (`rows[i]` is row number i's row); multiplier vectors hold one value per dense row
/// and a last, zero value that the padding of the column blocks refers to.
struct ActiveColumns {
    std::vector<int> rows;
    std::vector<int> columns;
    std::vector<double> costs;
    std::vector<std::size_t> begin; ///< rows of column k: entries[begin[k] .. begin[k + 1])
    std::vector<std::uint32_t> entries;
    /// Blocks of kLanes columns of similar length: block b lists its columns in `lanes` and its
    /// rows row by row (kLanes entries each) from blockBegin[b] to blockBegin[b + 1]. Unused
    /// lanes name the column `columns.size()`.
    std::vector<std::size_t> lanes;
    std::vector<std::size_t> blockBegin;
    std::vector<std::uint32_t> blockRows;
};

using Values = std::vector<double>;

/// One Lagrangian relaxation: a cost per active column, the multipliers the search keeps for
/// the node's children, and the bound that would prune.
struct Relaxation {
    Multipliers& multipliers;
    const ActiveColumns& active;
    double goal;
};

/// Each column's cost less the multipliers of its rows, subtracted in row order.
void reducedCosts(const ActiveColumns& active, const Values& u, Values& costs) {
    const double* value = u.data();
    const std::uint32_t* row = active.blockRows.data();
    const std::size_t blocks = active.lanes.size() / kLanes;
    for (std::size_t b = 0; b < blocks; ++b) {
        const std::size_t* lane = &active.lanes[b * kLanes];
        double c0 = active.costs[lane[0]];
        double c1 = active.costs[lane[1]];
        double c2 = active.costs[lane[2]];
        double c3 = active.costs[lane[3]];
        for (const std::uint32_t* end = row + (active.blockBegin[b + 1] - active.blockBegin[b]);
             row != end; row += kLanes) {
            c0 -= value[row[0]];
            c1 -= value[row[1]];
            c2 -= value[row[2]];
            c3 -= value[row[3]];
        }
        costs[lane[0]] = c0;
        costs[lane[1]] = c1;
        costs[lane[2]] = c2;
        costs[lane[3]] = c3;
    }
}

/// The positions 0 .. keys.size() - 1 ordered by key, equal keys in position order.
std::vector<std::size_t> orderByKey(const std::vector<std::size_t>& keys) {
    std::size_t largest = 0;
    for (std::size_t key : keys)
        largest = std::max(largest, key);
    std::vector<std::size_t> start(largest + 2, 0);
    for (std::size_t key : keys)
        ++start[key + 1];
    for (std::size_t key = 1; key < start.size(); ++key)
        start[key] += start[key - 1];
    std::vector<std::size_t> order(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        order[start[keys[i]]++] = i;
    return order;
}

/// Rows that pairwise share no column each need a column of their own; rows with fewer
/// columns are tried first.
CoverCost independentRowsBound(const Reducer& reducer, const Node& node) {
    std::vector<int> rows;
    std::vector<std::size_t> degrees;
    node.uncovered.ForEach([&](int row) {
        rows.push_back(row);
        degrees.push_back(static_cast<std::size_t>(reducer.Degree(node, row)));
    });
    CellSet blocked;
    CoverCost bound;
    for (std::size_t position : orderByKey(degrees)) {
        const int row = rows[position];
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

/// Lays the columns out in blocks of kLanes, shortest first, padded with the zero row.
void formBlocks(ActiveColumns& active) {
    const std::size_t count = active.columns.size();
    auto length = [&](std::size_t k) { return active.begin[k + 1] - active.begin[k]; };
    std::vector<std::size_t> lengths(count);
    for (std::size_t k = 0; k < count; ++k)
        lengths[k] = length(k);
    const std::vector<std::size_t> order = orderByKey(lengths);
    const auto zeroRow = static_cast<std::uint32_t>(active.rows.size());
    active.blockBegin.push_back(0);
    for (std::size_t first = 0; first < count; first += kLanes) {
        std::size_t longest = 0;
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            const std::size_t k = first + lane < count ? order[first + lane] : count;
            active.lanes.push_back(k);
            if (k < count)
                longest = std::max(longest, length(k));
        }
        for (std::size_t i = 0; i < longest; ++i)
            for (std::size_t lane = 0; lane < kLanes; ++lane) {
                const std::size_t k = active.lanes[active.lanes.size() - kLanes + lane];
                const bool real = k < count && i < length(k);
                active.blockRows.push_back(real ? active.entries[active.begin[k] + i] : zeroRow);
            }
        active.blockBegin.push_back(active.blockRows.size());
    }
}

ActiveColumns activate(const Reducer& reducer, const Node& node) {
    ActiveColumns active;
    std::array<std::uint32_t, 256> dense{};
    node.uncovered.ForEach([&](int row) {
        dense[index(row)] = static_cast<std::uint32_t>(active.rows.size());
        active.rows.push_back(row);
    });
    for (int c = 0; c < reducer.ColumnCount(); ++c) {
        if (!node.allowed[index(c)])
            continue;
        active.columns.push_back(c);
        active.costs.push_back(1.0);
        active.begin.push_back(active.entries.size());
        (reducer.Rows(c) & node.uncovered).ForEach([&](int row) {
            active.entries.push_back(dense[index(row)]);
        });
    }
    active.begin.push_back(active.entries.size());
    active.costs.push_back(0.0); // the unused lanes' column
    formBlocks(active);
    return active;
}

/// Lists the columns of negative reduced cost in column order; returns how many there are.
std::size_t negativeColumns(const Values& costs, std::size_t count, std::vector<std::size_t>& out) {
    std::size_t found = 0;
    for (std::size_t k = 0; k < count; ++k) {
        out[found] = k;
        found += costs[k] < 0.0 ? 1 : 0;
    }
    return found;
}

/// Lagrangian bound of the relaxation at `u`, with the reduced costs and the subgradient.
/// `negative` has room for every column.
double evaluate(const ActiveColumns& active, const Values& u, Values& costs,
                std::vector<int>& gradient, std::vector<std::size_t>& negative) {
    reducedCosts(active, u, costs);
    const std::size_t count = negativeColumns(costs, active.columns.size(), negative);
    std::fill(gradient.begin(), gradient.end(), 1);
    for (std::size_t n = 0; n < count; ++n)
        for (std::size_t i = active.begin[negative[n]]; i < active.begin[negative[n] + 1]; ++i)
            --gradient[active.entries[i]];
    double bound = 0.0;
    for (std::size_t i = 0; i < active.rows.size(); ++i)
        bound += u[i];
    for (std::size_t n = 0; n < count; ++n)
        bound += costs[negative[n]];
    return bound;
}

/// The best bound found and the reduced costs at its multipliers.
struct Improved {
    double bound = -std::numeric_limits<double>::max();
    Values costs;
};

/// Subgradient steps towards the relaxation's goal; every multiplier vector gives a lower
/// bound, and the best one found is kept in the relaxation for the node's children.
Improved improve(const Relaxation& relaxation, int steps) {
    assert(steps > 0 && "the first step always gives a bound");
    const ActiveColumns& active = relaxation.active;
    const std::size_t rows = active.rows.size();
    Values u(rows + 1, 0.0);
    for (std::size_t i = 0; i < rows; ++i)
        u[i] = relaxation.multipliers[index(active.rows[i])];
    Values bestU = u;
    Values costs(active.costs.size(), 0.0);
    std::vector<int> gradient(rows, 0);
    std::vector<std::size_t> negative(active.columns.size(), 0);
    Improved best;
    double scale = 2.0;
    int stale = 0;
    for (int step = 0; step < steps; ++step) {
        const double bound = evaluate(active, u, costs, gradient, negative);
        const double gap = relaxation.goal - bound;
        if (bound > best.bound + kEpsilon) {
            best.bound = bound;
            best.costs = costs;
            bestU = u;
            stale = 0;
        } else if (++stale >= 4) {
            scale /= 2.0;
            stale = 0;
        }
        int norm = 0;
        for (std::size_t i = 0; i < rows; ++i)
            norm += gradient[i] * gradient[i];
        if (ceilBound(best.bound) >= relaxation.goal || norm == 0)
            break;
        const double length = scale * gap / norm;
        for (std::size_t i = 0; i < rows; ++i)
            u[i] = std::max(0.0, u[i] + length * gradient[i]);
    }
    for (std::size_t i = 0; i < rows; ++i)
        relaxation.multipliers[index(active.rows[i])] = bestU[i];
    return best;
}

/// A column whose reduced cost lifts the bound to `reach` cannot be in a wanted cover.
bool excludeCostly(Node& node, const ActiveColumns& active, const Improved& improved,
                   double reach) {
    bool excluded = false;
    for (std::size_t k = 0; k < active.columns.size(); ++k) {
        const double cost = improved.costs[k];
        if (cost <= 0.0 || ceilBound(improved.bound + cost) < reach)
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
    const Improved countBound = improve({node.countMultipliers, active, columnsLeft + 1.0}, steps);
    bound.columns = std::max(bound.columns, ceilBound(countBound.bound));
    bound = withLightest(bound);
    if (bound.columns > columnsLeft)
        return bound;
    excluded = excludeCostly(node, active, countBound, columnsLeft + 1.0);
    if (bound.columns < columnsLeft)
        return bound;
    // Only covers with exactly the limit's column count remain: their weight decides.
    const int weightLeft = limit.weight - node.cost.weight;
    const double reach = keepEqual ? weightLeft + 1.0 : weightLeft;
    for (std::size_t k = 0; k < active.columns.size(); ++k)
        active.costs[k] = m_reducer.Weight(active.columns[k]);
    const Improved weightBound = improve({node.weightMultipliers, active, reach}, steps);
    bound.weight = std::max(bound.weight, ceilBound(weightBound.bound));
    if (ceilBound(weightBound.bound) < reach)
        excluded = excludeCostly(node, active, weightBound, reach) || excluded;
    return bound;
}

} // namespace cover
