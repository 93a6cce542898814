// Parts of the exact cover search: the search node, the table's reductions, the bound, both
// searches.
//
// The table is first reduced (essential columns, dominated rows, strictly worse columns) and
// split into components that share no column. Each component is solved by a branch and bound
// (`Optimizer`) with full column dominance that takes or leaves the column of least reduced
// cost, and completes every node greedily to find good covers early. When asked, a second
// search (`Enumerator`) that keeps every column a minimum cover may use lists the minimum
// covers in the fixed column order: it branches on the row with the fewest columns, a branch
// taking one of them and excluding the ones tried before it, so every cover is reached once,
// and it multiplies the counts of components that fall apart on the way. Both hold the table's
// `Reducer` and a `Bound`, which comes from two Lagrangian relaxations of the covering, one
// counting columns and one summing weights, from rows that share no column, and from the
// lightest column's weight.
#pragma once

#include "engine/exact/CoverSearch.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <vector>

namespace cover {

using Clock = std::chrono::steady_clock;
using Multipliers = std::array<double, 256>;

/// Subgradient steps for a component's first bound, and for every later node.
inline constexpr int kRootSteps = 200;
inline constexpr int kNodeSteps = 40;

/// A state of the search: the rows still to cover, the columns still allowed, those taken.
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

inline CoverCost operator+(const CoverCost& a, const CoverCost& b) {
    return {a.columns + b.columns, a.weight + b.weight};
}

inline std::uint64_t saturatingAdd(std::uint64_t a, std::uint64_t b) {
    constexpr auto kMax = std::numeric_limits<std::uint64_t>::max();
    return a > kMax - b ? kMax : a + b;
}

inline std::uint64_t saturatingMultiply(std::uint64_t a, std::uint64_t b) {
    constexpr auto kMax = std::numeric_limits<std::uint64_t>::max();
    return a != 0 && b > kMax / a ? kMax : a * b;
}

inline std::size_t index(int i) {
    return static_cast<std::size_t>(i);
}

/// The table with an index from rows to columns: the reductions, and the queries and moves
/// both searches make on a node.
class Reducer {
public:
    explicit Reducer(const CoverTable& table);

    [[nodiscard]] int ColumnCount() const { return static_cast<int>(m_table.columns.size()); }
    [[nodiscard]] int Weight(int c) const { return m_table.weights[index(c)]; }
    [[nodiscard]] const CellSet& Rows(int c) const { return m_table.columns[index(c)]; }
    /// Every column that covers `row`, in column order, allowed or not.
    [[nodiscard]] const std::vector<int>& ColumnsCovering(int row) const {
        return m_rowColumns[index(row)];
    }

    void Take(Node& node, int c) const;
    /// Allowed columns covering `row`, in column order.
    [[nodiscard]] std::vector<int> ColumnsOf(const Node& node, int row) const;
    [[nodiscard]] int Degree(const Node& node, int row) const;
    /// The uncovered row with the fewest allowed columns (the lowest such row).
    [[nodiscard]] int BranchRow(const Node& node) const;

    /// Applies the reductions until none applies; false when some row can no longer be covered.
    bool Reduce(Node& node, Dominance dominance) const;
    /// Splits a reduced node into components: rows are joined when an allowed column covers
    /// both. Each component starts with nothing chosen and the node's multipliers.
    [[nodiscard]] std::vector<Node> SplitComponents(const Node& node) const;

private:
    bool TakeEssentials(Node& node, bool& feasible) const;
    void DropUselessColumns(Node& node) const;
    bool RemoveDominatedRows(Node& node) const;
    [[nodiscard]] bool Dominates(int j, const CellSet& theirs, int i, const CellSet& mine,
                                 Dominance dominance) const;
    /// Whether an allowed column dominates column i; `left` holds each allowed column's
    /// uncovered rows.
    [[nodiscard]] bool IsDominated(const Node& node, int i, const std::vector<CellSet>& left,
                                   int rarest, Dominance dominance) const;
    bool RemoveDominatedColumns(Node& node, Dominance dominance) const;

    const CoverTable& m_table;
    std::vector<std::vector<int>> m_rowColumns;
};

/// Lower bounds on the cost still needed to cover a node's rows.
class Bound {
public:
    explicit Bound(const Reducer& reducer) : m_reducer(reducer) {}

    /// Starts both sets of multipliers from a feasible dual: each row gets the least share of
    /// a column's cost that it has in any of its columns.
    void StartMultipliers(Node& node) const;

    /// The least cost still needed to cover the node's rows, for a search that looks for
    /// covers cheaper than `limit` (or, with `keepEqual`, no dearer). Columns that cannot be
    /// in such a cover are excluded; `excluded` tells whether any was.
    [[nodiscard]] CoverCost Needed(Node& node, const CoverCost& limit, bool keepEqual, int steps,
                                   bool& excluded) const;

private:
    const Reducer& m_reducer;
};

/// A point in time after which a search stops; once passed, it stays passed.
class Deadline {
public:
    explicit Deadline(Clock::time_point at) : m_at(at) {}

    bool Passed() {
        if (!m_passed && Clock::now() > m_at)
            m_passed = true;
        return m_passed;
    }
    [[nodiscard]] bool WasPassed() const { return m_passed; }
    [[nodiscard]] Clock::time_point At() const { return m_at; }

private:
    Clock::time_point m_at;
    bool m_passed = false;
};

/// Branch and bound for one minimum cover, starting from a greedy cover.
class Optimizer {
public:
    Optimizer(const Reducer& reducer, Clock::time_point deadline)
        : m_reducer(reducer), m_bound(reducer), m_deadline(deadline) {}

    void Run(Node root);
    [[nodiscard]] bool TimedOut() const { return m_deadline.WasPassed(); }
    [[nodiscard]] const CoverCost& BestCost() const { return m_bestCost; }
    /// The best cover found, as ascending column indexes.
    [[nodiscard]] std::vector<int> Best() const;

private:
    /// Each allowed column's reduced cost for the column count and its number of uncovered
    /// rows, indexed by column.
    struct Scores {
        std::vector<double> reduced;
        std::vector<int> fresh;
    };

    void Greedy(Node node);
    [[nodiscard]] Scores Score(const Node& node) const;
    void TryCompletion(const Node& node, const Scores& scores);
    [[nodiscard]] Node Complete(const Node& node, bool rarestRowFirst, const Scores& scores) const;
    /// Takes the column and counts the rows it covers off the other columns' fresh rows.
    void TakeCounting(Node& node, int c, std::vector<int>& fresh) const;
    [[nodiscard]] static int Cheapest(const std::vector<int>& candidates,
                                      const std::vector<double>& reduced,
                                      const std::vector<int>& fresh);
    void DropRedundant(const CellSet& rows, Node& done, std::vector<int>& added) const;
    void Visit(Node node, int steps);
    void Keep(const Node& node);
    [[nodiscard]] int MostPromising(const Node& node, const Scores& scores) const;

    const Reducer& m_reducer;
    Bound m_bound;
    Deadline m_deadline;
    std::vector<int> m_best;
    CoverCost m_bestCost;
};

/// Minimum covers of part of the table: how many, and up to the limit of them.
struct Listing {
    std::uint64_t count = 0;
    std::vector<std::vector<int>> covers;
};

/// A node's rows and allowed columns with a cost, as the key of a remembered result.
struct NodeKey {
    CellSet uncovered;
    std::vector<std::uint64_t> allowed; ///< one bit per column
    CoverCost cost;
    bool operator==(const NodeKey&) const = default;
};

struct NodeKeyHash {
    std::size_t operator()(const NodeKey& key) const;
};

[[nodiscard]] NodeKey keyOf(const Node& node, const CoverCost& cost);

/// Lists the covers of a known minimum cost in the fixed column order. Where the rows left
/// fall apart into components, each is solved on its own and the counts multiply. Covers
/// past the limit are only counted, in whatever order is fastest, and the least costs and
/// counts of the parts met on the way are remembered.
class Enumerator {
public:
    Enumerator(const Reducer& reducer, Clock::time_point deadline, std::size_t limit)
        : m_reducer(reducer), m_bound(reducer), m_deadline(deadline), m_limit(limit) {}

    /// The covers of the node's rows whose cost, with what the node has chosen, is `target`.
    Listing List(Node node, const CoverCost& target, int steps) {
        return ListUpTo(std::move(node), target, steps, m_limit);
    }
    [[nodiscard]] bool TimedOut() const { return m_deadline.WasPassed(); }

private:
    /// What a node is once reduced and bounded.
    enum class Settled { Dead, Covered, Open };

    Settled Settle(Node& node, const CoverCost& target, int steps);
    /// As List, keeping only the first `want` covers.
    Listing ListUpTo(Node node, const CoverCost& target, int steps, std::size_t want);
    Listing Product(const Node& node, const std::vector<Node>& parts, const CoverCost& target,
                    std::size_t want);
    /// The number of covers List would find, without listing them.
    std::uint64_t Count(Node node, const CoverCost& target, int steps);
    /// Count, once the node is reduced and bounded.
    std::uint64_t CountSettled(Node node, const CoverCost& target, int steps);
    std::uint64_t CountProduct(const Node& node, const std::vector<Node>& parts,
                               const CoverCost& target);
    /// The parts' least costs, or nothing when they cannot add up to `target`.
    bool PartMinima(const Node& node, const std::vector<Node>& parts, const CoverCost& target,
                    std::vector<CoverCost>& minima);
    CoverCost Least(const Node& part);

    const Reducer& m_reducer;
    Bound m_bound;
    Deadline m_deadline;
    std::size_t m_limit;
    std::unordered_map<NodeKey, CoverCost, NodeKeyHash> m_least;
    std::unordered_map<NodeKey, std::uint64_t, NodeKeyHash> m_counts;
};

/// The covers made of the forced columns and one cover of each part, the last part varying
/// fastest, up to `limit` of them.
[[nodiscard]] std::vector<std::vector<int>>
combine(const std::vector<int>& forced, const std::vector<std::vector<std::vector<int>>>& parts,
        std::size_t limit);

} // namespace cover
