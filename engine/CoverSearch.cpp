// Exact covering: reductions, independent components, branch and bound, enumeration of minima.
//
// The table is first reduced (essential columns, dominated rows, strictly worse columns) and
// split into components that share no column. Each component is solved by a branch and bound
// with full column dominance that takes or leaves the column of least reduced cost, and
// completes every node greedily to find good covers early. When asked, a second search that
// keeps every column a minimum cover may use lists the minimum covers in the fixed column
// order: it branches on the row with the fewest columns, a branch taking one of them and
// excluding the ones tried before it, so every cover is reached once, and it multiplies the
// counts of components that fall apart on the way. The bounds come from two Lagrangian
// relaxations of the covering, one counting columns and one summing weights, from rows that
// share no column, and from the lightest column's weight.
#include "engine/CoverSearch.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <climits>
#include <cmath>
#include <limits>
#include <tuple>

namespace {

using Clock = std::chrono::steady_clock;
using Multipliers = std::array<double, 256>;

/// Subgradient steps for a component's first bound, and for every later node.
constexpr int kRootSteps = 200;
constexpr int kNodeSteps = 40;
constexpr double kEpsilon = 1e-7;

struct Node {
    CellSet uncovered;
    std::vector<char> allowed;
    std::vector<int> chosen;
    CoverCost cost;
    /// Lagrangian multipliers of the rows for the column count and for the weight, handed
    /// from a node to its children as starting points.
    Multipliers countMultipliers{};
    Multipliers weightMultipliers{};
};

/// Full: also drop a column whose rows another column of no higher weight covers (finds one
/// minimum). Strict: drop it only for a column of lower weight (keeps every minimum).
enum class Dominance { Full, Strict };

CoverCost operator+(const CoverCost& a, const CoverCost& b) {
    return {a.columns + b.columns, a.weight + b.weight};
}

std::uint64_t saturatingAdd(std::uint64_t a, std::uint64_t b) {
    constexpr auto kMax = std::numeric_limits<std::uint64_t>::max();
    return a > kMax - b ? kMax : a + b;
}

std::uint64_t saturatingMultiply(std::uint64_t a, std::uint64_t b) {
    constexpr auto kMax = std::numeric_limits<std::uint64_t>::max();
    return a != 0 && b > kMax / a ? kMax : a * b;
}

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

/// For every row, the columns that cover it, in column order.
using RowColumns = std::vector<std::vector<int>>;

RowColumns columnsByRow(const CoverTable& table) {
    RowColumns rowColumns(256);
    for (std::size_t c = 0; c < table.columns.size(); ++c)
        table.columns[c].ForEach([&](int row) {
            rowColumns[static_cast<std::size_t>(row)].push_back(static_cast<int>(c));
        });
    return rowColumns;
}

/// Reductions, bounds and branching shared by both searches.
class Search {
public:
    Search(const CoverTable& table, const RowColumns& rowColumns, Clock::time_point deadline)
        : m_table(table), m_deadline(deadline), m_rowColumns(rowColumns) {}

    [[nodiscard]] bool TimedOut() const { return m_timedOut; }

    /// Applies the reductions until none applies; false when some row can no longer be covered.
    bool Reduce(Node& node, Dominance dominance) const {
        for (bool changed = true; changed;) {
            bool feasible = true;
            changed = TakeEssentials(node, feasible);
            if (!feasible)
                return false;
            DropUselessColumns(node);
            changed = RemoveDominatedRows(node) || changed;
            changed = RemoveDominatedColumns(node, dominance) || changed;
        }
        return true;
    }

    /// Starts both sets of multipliers from a feasible dual: each row gets the least share of
    /// a column's cost that it has in any of its columns.
    void StartMultipliers(Node& node) const {
        node.countMultipliers.fill(0.0);
        node.weightMultipliers.fill(0.0);
        node.uncovered.ForEach([&](int row) {
            double count = 1.0;
            double weight = std::numeric_limits<double>::max();
            for (int c : m_rowColumns[Index(row)]) {
                if (!node.allowed[Index(c)])
                    continue;
                const double share = 1.0 / (Rows(c) & node.uncovered).Count();
                count = std::min(count, share);
                weight = std::min(weight, share * Weight(c));
            }
            node.countMultipliers[Index(row)] = count;
            node.weightMultipliers[Index(row)] = weight;
        });
    }

protected:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
    [[nodiscard]] int ColumnCount() const { return static_cast<int>(m_table.columns.size()); }
    [[nodiscard]] int Weight(int c) const { return m_table.weights[Index(c)]; }
    [[nodiscard]] const CellSet& Rows(int c) const { return m_table.columns[Index(c)]; }

    bool CheckTime() {
        if (!m_timedOut && Clock::now() > m_deadline)
            m_timedOut = true;
        return m_timedOut;
    }

    void Take(Node& node, int c) const {
        node.chosen.push_back(c);
        node.cost = node.cost + CoverCost{1, Weight(c)};
        node.uncovered.Remove(Rows(c));
        node.allowed[Index(c)] = 0;
    }

    /// Allowed columns covering `row`, in column order.
    [[nodiscard]] std::vector<int> ColumnsOf(const Node& node, int row) const {
        std::vector<int> columns;
        for (int c : m_rowColumns[Index(row)])
            if (node.allowed[Index(c)])
                columns.push_back(c);
        return columns;
    }

    [[nodiscard]] int Degree(const Node& node, int row) const {
        int degree = 0;
        for (int c : m_rowColumns[Index(row)])
            degree += node.allowed[Index(c)];
        return degree;
    }

    /// The least cost still needed to cover the node's rows, for a search that looks for
    /// covers cheaper than `limit` (or, with `keepEqual`, no dearer). Columns that cannot be
    /// in such a cover are excluded; `excluded` tells whether any was.
    [[nodiscard]] CoverCost Bound(Node& node, const CoverCost& limit, bool keepEqual, int steps,
                                  bool& excluded) const {
        excluded = false;
        ActiveColumns active = Activate(node);
        int lightest = INT_MAX;
        for (int c : active.columns)
            lightest = std::min(lightest, Weight(c));
        // Every column still needed weighs at least as much as the lightest one.
        auto withLightest = [&](CoverCost bound) {
            bound.weight = std::max(bound.weight, bound.columns * lightest);
            return bound;
        };
        CoverCost bound = withLightest(IndependentRowsBound(node));
        const CoverCost reached = node.cost + bound;
        if (reached > limit || (!keepEqual && reached == limit))
            return bound;
        const int columnsLeft = limit.columns - node.cost.columns;
        Relaxation count{node.countMultipliers, active, columnsLeft + 1.0};
        const double countBound = Improve(node, count, steps);
        bound.columns = std::max(bound.columns, ceilBound(countBound));
        bound = withLightest(bound);
        if (bound.columns > columnsLeft)
            return bound;
        excluded = ExcludeCostly(node, count, countBound, columnsLeft + 1.0);
        if (bound.columns < columnsLeft)
            return bound;
        // Only covers with exactly the limit's column count remain: their weight decides.
        const int weightLeft = limit.weight - node.cost.weight;
        const double reach = keepEqual ? weightLeft + 1.0 : weightLeft;
        for (std::size_t k = 0; k < active.columns.size(); ++k)
            active.costs[k] = Weight(active.columns[k]);
        Relaxation weight{node.weightMultipliers, active, reach};
        const double weightBound = Improve(node, weight, steps);
        bound.weight = std::max(bound.weight, ceilBound(weightBound));
        if (ceilBound(weightBound) < reach)
            excluded = ExcludeCostly(node, weight, weightBound, reach) || excluded;
        return bound;
    }

    /// The uncovered row with the fewest allowed columns (the lowest such row).
    [[nodiscard]] int BranchRow(const Node& node) const {
        int best = -1;
        int bestDegree = INT_MAX;
        node.uncovered.ForEach([&](int row) {
            const int degree = Degree(node, row);
            if (degree < bestDegree) {
                bestDegree = degree;
                best = row;
            }
        });
        return best;
    }

private:
    bool TakeEssentials(Node& node, bool& feasible) const {
        bool changed = false;
        const CellSet rows = node.uncovered;
        rows.ForEach([&](int row) {
            if (!feasible || !node.uncovered.Contains(row))
                return;
            int only = -1;
            int degree = 0;
            for (int c : m_rowColumns[Index(row)])
                if (node.allowed[Index(c)] && ++degree == 1)
                    only = c;
            if (degree == 0)
                feasible = false;
            if (degree != 1)
                return;
            Take(node, only);
            changed = true;
        });
        return changed;
    }

    void DropUselessColumns(Node& node) const {
        for (int c = 0; c < ColumnCount(); ++c)
            if (node.allowed[Index(c)] && !Rows(c).Intersects(node.uncovered))
                node.allowed[Index(c)] = 0;
    }

    /// A row whose columns all cover another row makes that other row free: covering the
    /// first covers it. Of equal rows the lowest stays.
    bool RemoveDominatedRows(Node& node) const {
        bool changed = false;
        const CellSet rows = node.uncovered;
        rows.ForEach([&](int row) {
            if (!node.uncovered.Contains(row))
                return;
            CellSet common = node.uncovered;
            for (int c : m_rowColumns[Index(row)])
                if (node.allowed[Index(c)])
                    common &= Rows(c);
            CellSet own;
            own.Insert(row);
            common.Remove(own);
            if (common.Empty())
                return;
            node.uncovered.Remove(common);
            changed = true;
        });
        return changed;
    }

    [[nodiscard]] bool Dominates(int j, const CellSet& theirs, int i, const CellSet& mine,
                                 Dominance dominance) const {
        if (!mine.IsSubsetOf(theirs) || Weight(j) > Weight(i))
            return false;
        if (Weight(j) < Weight(i))
            return true;
        if (dominance == Dominance::Strict)
            return false;
        return theirs != mine || j < i;
    }

    [[nodiscard]] bool IsDominated(const Node& node, int i, const CellSet& mine, int rarest,
                                   Dominance dominance) const {
        for (int j : m_rowColumns[Index(rarest)])
            if (j != i && node.allowed[Index(j)] &&
                Dominates(j, Rows(j) & node.uncovered, i, mine, dominance))
                return true;
        return false;
    }

    /// A column can only be dominated by a column that shares its rows, so the candidates
    /// are the columns of its rarest row.
    bool RemoveDominatedColumns(Node& node, Dominance dominance) const {
        std::array<int, 256> degree{};
        node.uncovered.ForEach([&](int row) { degree[Index(row)] = Degree(node, row); });
        bool changed = false;
        for (int i = 0; i < ColumnCount(); ++i) {
            if (!node.allowed[Index(i)])
                continue;
            const CellSet mine = Rows(i) & node.uncovered;
            int rarest = -1;
            mine.ForEach([&](int row) {
                if (rarest < 0 || degree[Index(row)] < degree[Index(rarest)])
                    rarest = row;
            });
            if (rarest >= 0 && !IsDominated(node, i, mine, rarest, dominance))
                continue;
            node.allowed[Index(i)] = 0;
            mine.ForEach([&](int row) { --degree[Index(row)]; });
            changed = true;
        }
        return changed;
    }

    /// Rows that pairwise share no column each need a column of their own.
    [[nodiscard]] CoverCost IndependentRowsBound(const Node& node) const {
        std::vector<std::pair<int, int>> rows; // (degree, row)
        node.uncovered.ForEach([&](int row) { rows.emplace_back(Degree(node, row), row); });
        std::sort(rows.begin(), rows.end());
        CellSet blocked;
        CoverCost bound;
        for (const auto& [degree, row] : rows) {
            if (blocked.Contains(row))
                continue;
            int lightest = INT_MAX;
            for (int c : m_rowColumns[Index(row)]) {
                if (!node.allowed[Index(c)])
                    continue;
                lightest = std::min(lightest, Weight(c));
                blocked |= Rows(c);
            }
            bound = bound + CoverCost{1, lightest};
        }
        return bound;
    }

    [[nodiscard]] ActiveColumns Activate(const Node& node) const {
        ActiveColumns active;
        for (int c = 0; c < ColumnCount(); ++c) {
            if (!node.allowed[Index(c)])
                continue;
            active.columns.push_back(c);
            active.costs.push_back(1.0);
            active.begin.push_back(active.rows.size());
            (Rows(c) & node.uncovered).ForEach([&](int row) { active.rows.push_back(row); });
        }
        active.begin.push_back(active.rows.size());
        return active;
    }

    /// The column's cost less the multipliers of its rows.
    static double ReducedCost(const Multipliers& u, const ActiveColumns& active, std::size_t k) {
        double cost = active.costs[k];
        for (std::size_t i = active.begin[k]; i < active.begin[k + 1]; ++i)
            cost -= u[Index(active.rows[i])];
        return cost;
    }

    /// Lagrangian bound of the relaxation at `u`, with its subgradient.
    static double Evaluate(const Node& node, const Relaxation& relaxation, const Multipliers& u,
                           Multipliers& gradient) {
        double bound = 0.0;
        node.uncovered.ForEach([&](int row) {
            bound += u[Index(row)];
            gradient[Index(row)] = 1.0;
        });
        const ActiveColumns& active = relaxation.active;
        for (std::size_t k = 0; k < active.columns.size(); ++k) {
            const double cost = ReducedCost(u, active, k);
            if (cost >= 0.0)
                continue;
            bound += cost;
            for (std::size_t i = active.begin[k]; i < active.begin[k + 1]; ++i)
                gradient[Index(active.rows[i])] -= 1.0;
        }
        return bound;
    }

    /// Subgradient steps towards the relaxation's goal; every multiplier vector gives a lower
    /// bound, and the best one found is kept in the relaxation for the node's children.
    static double Improve(const Node& node, const Relaxation& relaxation, int steps) {
        Multipliers u = relaxation.multipliers;
        Multipliers gradient{};
        double best = -std::numeric_limits<double>::max();
        double scale = 2.0;
        int stale = 0;
        for (int step = 0; step < steps; ++step) {
            const double bound = Evaluate(node, relaxation, u, gradient);
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
                [&](int row) { norm += gradient[Index(row)] * gradient[Index(row)]; });
            if (ceilBound(best) >= relaxation.goal || norm == 0.0)
                break;
            const double length = scale * (relaxation.goal - bound) / norm;
            node.uncovered.ForEach([&](int row) {
                u[Index(row)] = std::max(0.0, u[Index(row)] + length * gradient[Index(row)]);
            });
        }
        return best;
    }

    /// A column whose reduced cost lifts the bound to `reach` cannot be in a wanted cover.
    static bool ExcludeCostly(Node& node, const Relaxation& relaxation, double bound,
                              double reach) {
        bool excluded = false;
        const ActiveColumns& active = relaxation.active;
        for (std::size_t k = 0; k < active.columns.size(); ++k) {
            const double cost = ReducedCost(relaxation.multipliers, active, k);
            if (cost <= 0.0 || ceilBound(bound + cost) < reach)
                continue;
            node.allowed[Index(active.columns[k])] = 0;
            excluded = true;
        }
        return excluded;
    }

    bool m_timedOut = false;

protected:
    const CoverTable& m_table;
    Clock::time_point m_deadline;
    const RowColumns& m_rowColumns;
};

/// Branch and bound for one minimum cover, starting from a greedy cover.
class Optimizer : public Search {
public:
    using Search::Search;

    void Run(Node root) {
        Greedy(root);
        StartMultipliers(root);
        Visit(std::move(root), kRootSteps);
    }
    [[nodiscard]] const CoverCost& BestCost() const { return m_bestCost; }
    [[nodiscard]] std::vector<int> Best() const {
        std::vector<int> best = m_best;
        std::sort(best.begin(), best.end());
        return best;
    }

private:
    void Greedy(Node node) {
        while (!node.uncovered.Empty()) {
            int pick = -1;
            int pickCount = 0;
            for (int c = 0; c < ColumnCount(); ++c) {
                if (!node.allowed[Index(c)])
                    continue;
                const int count = (Rows(c) & node.uncovered).Count();
                if (count > pickCount ||
                    (count == pickCount && count > 0 && Weight(c) < Weight(pick))) {
                    pick = c;
                    pickCount = count;
                }
            }
            assert(pick >= 0 && "a reduced component always has a column for each row");
            Take(node, pick);
        }
        m_best = node.chosen;
        m_bestCost = node.cost;
    }

    [[nodiscard]] double CountReducedCost(const Node& node, int c) const {
        double cost = 1.0;
        (Rows(c) & node.uncovered).ForEach([&](int row) {
            cost -= node.countMultipliers[Index(row)];
        });
        return cost;
    }

    /// Completes the node to a cover guided by the multipliers, in two ways, and keeps a
    /// completion that beats the best cover so far.
    void TryCompletion(const Node& node) {
        for (bool rarestRowFirst : {false, true}) {
            Keep(Complete(node, rarestRowFirst));
        }
    }

    /// Either the columns of negative reduced cost first and then the cheapest per new row,
    /// or for the row with the fewest columns left its cheapest column per new row, until
    /// all is covered; then what became redundant is dropped.
    [[nodiscard]] Node Complete(const Node& node, bool rarestRowFirst) const {
        Node done = node;
        std::vector<double> reduced(Index(ColumnCount()), 0.0);
        std::vector<int> all;
        std::vector<int> added;
        for (int c = 0; c < ColumnCount(); ++c) {
            if (!node.allowed[Index(c)])
                continue;
            all.push_back(c);
            reduced[Index(c)] = CountReducedCost(node, c);
            if (!rarestRowFirst && reduced[Index(c)] < 0.0 && Rows(c).Intersects(done.uncovered)) {
                Take(done, c);
                added.push_back(c);
            }
        }
        while (!done.uncovered.Empty()) {
            const int pick =
                Cheapest(done, rarestRowFirst ? ColumnsOf(done, BranchRow(done)) : all, reduced);
            Take(done, pick);
            added.push_back(pick);
        }
        DropRedundant(node.uncovered, done, added);
        return done;
    }

    /// The candidate with the least reduced cost per newly covered row.
    [[nodiscard]] int Cheapest(const Node& node, const std::vector<int>& candidates,
                               const std::vector<double>& reduced) const {
        int pick = -1;
        double pickScore = 0.0;
        for (int c : candidates) {
            const int fresh = (Rows(c) & node.uncovered).Count();
            if (fresh == 0)
                continue;
            const double score = (std::max(reduced[Index(c)], 0.0) + 1e-3) / fresh;
            if (pick < 0 || score < pickScore) {
                pick = c;
                pickScore = score;
            }
        }
        return pick;
    }

    /// Drops added columns, heaviest first, whose rows the others still cover.
    void DropRedundant(const CellSet& rows, Node& done, std::vector<int>& added) const {
        std::stable_sort(added.begin(), added.end(),
                         [&](int a, int b) { return Weight(a) > Weight(b); });
        for (int c : added) {
            CellSet others;
            for (int d : added)
                if (d != c && d >= 0)
                    others |= Rows(d);
            if (!(rows & Rows(c)).IsSubsetOf(others))
                continue;
            done.chosen.erase(std::find(done.chosen.begin(), done.chosen.end(), c));
            done.cost = done.cost + CoverCost{-1, -Weight(c)};
            std::replace(added.begin(), added.end(), c, -1);
        }
    }

    /// Searches the node: the covers with the most promising column first, then, in the same
    /// frame, those without it (so the depth stays the number of columns taken).
    void Visit(Node node, int steps) {
        while (!CheckTime() && Reduce(node, Dominance::Full)) {
            if (node.uncovered.Empty()) {
                Keep(node);
                return;
            }
            bool excluded = false;
            if (node.cost + Bound(node, m_bestCost, false, steps, excluded) >= m_bestCost)
                return;
            steps = kNodeSteps;
            if (excluded)
                continue;
            TryCompletion(node);
            const int c = MostPromising(node);
            Node child = node;
            Take(child, c);
            Visit(std::move(child), kNodeSteps);
            node.allowed[Index(c)] = 0;
        }
    }

    void Keep(const Node& node) {
        if (node.cost >= m_bestCost)
            return;
        m_bestCost = node.cost;
        m_best = node.chosen;
    }

    /// The column of least reduced cost, then of most rows left, then the lightest.
    [[nodiscard]] int MostPromising(const Node& node) const {
        int pick = -1;
        std::tuple<double, int, int> pickKey;
        for (int c = 0; c < ColumnCount(); ++c) {
            if (!node.allowed[Index(c)])
                continue;
            const std::tuple key{CountReducedCost(node, c), -(Rows(c) & node.uncovered).Count(),
                                 Weight(c)};
            if (pick < 0 || key < pickKey) {
                pick = c;
                pickKey = key;
            }
        }
        return pick;
    }

    std::vector<int> m_best;
    CoverCost m_bestCost;
};

/// Minimum covers of part of the table: how many, and up to the limit of them.
struct Listing {
    std::uint64_t count = 0;
    std::vector<std::vector<int>> covers;
};

int lowestOf(const CellSet& set) {
    int lowest = -1;
    set.ForEach([&](int row) { lowest = lowest < 0 ? row : lowest; });
    return lowest;
}

/// Splits a reduced node into components: rows are joined when an allowed column covers both.
/// Each component starts with nothing chosen and the node's multipliers.
std::vector<Node> splitComponents(const Node& node, const CoverTable& table,
                                  const RowColumns& rowColumns) {
    std::vector<Node> parts;
    CellSet left = node.uncovered;
    while (!left.Empty()) {
        Node& part = parts.emplace_back();
        part.allowed.assign(table.columns.size(), 0);
        part.countMultipliers = node.countMultipliers;
        part.weightMultipliers = node.weightMultipliers;
        std::vector<int> queue{lowestOf(left)};
        part.uncovered.Insert(queue.front());
        while (!queue.empty()) {
            const int row = queue.back();
            queue.pop_back();
            for (int c : rowColumns[static_cast<std::size_t>(row)]) {
                const auto column = static_cast<std::size_t>(c);
                if (!node.allowed[column] || part.allowed[column])
                    continue;
                part.allowed[column] = 1;
                CellSet fresh = table.columns[column] & left;
                fresh.Remove(part.uncovered);
                part.uncovered |= fresh;
                fresh.ForEach([&](int next) { queue.push_back(next); });
            }
        }
        left.Remove(part.uncovered);
    }
    return parts;
}

/// The covers made of the forced columns and one cover of each part, the last part varying
/// fastest, up to `limit` of them.
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

/// Lists the covers of a known minimum cost in the fixed column order. Where the rows left
/// fall apart into components, each is solved on its own and the counts multiply.
class Enumerator : public Search {
public:
    Enumerator(const CoverTable& table, const RowColumns& rowColumns, Clock::time_point deadline,
               std::size_t limit)
        : Search(table, rowColumns, deadline), m_limit(limit) {}

    /// The covers of the node's rows whose cost, with what the node has chosen, is `target`.
    Listing List(Node node, const CoverCost& target, int steps) {
        for (bool excluded = true; excluded; steps = kNodeSteps) {
            if (CheckTime() || !Reduce(node, Dominance::Strict) || node.cost > target)
                return {};
            if (node.uncovered.Empty())
                return node.cost == target ? Leaf(node.chosen) : Listing{};
            if (node.cost + Bound(node, target, true, steps, excluded) > target)
                return {};
        }
        std::vector<Node> parts = splitComponents(node, m_table, m_rowColumns);
        if (parts.size() > 1)
            return Product(node, parts, target);
        Listing total;
        for (int c : ColumnsOf(node, BranchRow(node))) {
            Node child = node;
            Take(child, c);
            Add(total, List(std::move(child), target, kNodeSteps));
            if (TimedOut())
                break;
            node.allowed[Index(c)] = 0;
        }
        return total;
    }

private:
    [[nodiscard]] static Listing Leaf(std::vector<int> chosen) {
        std::sort(chosen.begin(), chosen.end());
        return {1, {std::move(chosen)}};
    }

    void Add(Listing& total, Listing more) const {
        total.count = saturatingAdd(total.count, more.count);
        for (std::vector<int>& cover : more.covers)
            if (total.covers.size() < m_limit)
                total.covers.push_back(std::move(cover));
    }

    /// Independent components: each one's minimum decides whether the node can still reach
    /// the target; if so their covers combine freely.
    Listing Product(const Node& node, const std::vector<Node>& parts, const CoverCost& target) {
        std::vector<CoverCost> minima;
        CoverCost reach = node.cost;
        for (const Node& part : parts) {
            Optimizer optimizer(m_table, m_rowColumns, m_deadline);
            optimizer.Run(part);
            if (CheckTime())
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

    std::size_t m_limit;
};

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

Part solvePart(const CoverTable& table, const RowColumns& rowColumns, const Node& node,
               const CoverRequest& request) {
    Part part;
    Optimizer optimizer(table, rowColumns, request.deadline);
    optimizer.Run(node);
    part.cost = optimizer.BestCost();
    part.proven = !optimizer.TimedOut();
    part.count = 1;
    part.countComplete = part.proven;
    std::vector<std::vector<int>> listed;
    if (request.enumerate && part.proven) {
        Enumerator enumerator(table, rowColumns, request.deadline, request.limit);
        Node start = node;
        enumerator.StartMultipliers(start);
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
    const RowColumns rowColumns = columnsByRow(table);
    Node root;
    root.uncovered = table.rows;
    root.allowed.assign(table.columns.size(), 1);
    [[maybe_unused]] const bool coverable =
        Search(table, rowColumns, request.deadline).Reduce(root, Dominance::Strict);
    assert(coverable && "every row lies in some column");
    std::vector<Part> parts;
    for (const Node& node : splitComponents(root, table, rowColumns))
        parts.push_back(solvePart(table, rowColumns, node, request));
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
