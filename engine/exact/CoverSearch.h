// Exact solution of a covering problem: fewest columns, then least weight, covering every row.
#pragma once

#include "engine/function/CellSet.h"

#include <chrono>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <vector>

/// The rows (numbers 0..255) that must be covered and the columns that may cover them.
/// Column indexes are the fixed order in which the search lists covers.
struct CoverTable {
    CellSet rows;
    std::vector<CellSet> columns; ///< the rows each column covers
    std::vector<int> weights;     ///< decides between covers with equal column counts
};

/// Cost of a cover: its column count first, then its summed weight.
struct CoverCost {
    int columns = 0;
    int weight = 0;
    auto operator<=>(const CoverCost&) const = default;
};

/// What the search is asked for besides one minimum cover.
struct CoverRequest {
    bool enumerate = false; ///< count every minimum cover and keep up to `limit` of them
    std::size_t limit = 1;
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
};

/// Minimum covers as ascending column indexes. The first one is the search's choice; the
/// others, when enumerated, follow in the fixed column order.
struct CoverOutcome {
    std::vector<std::vector<int>> covers;
    CoverCost cost;
    bool proven = true;        ///< false when the deadline stopped the search for the minimum
    std::uint64_t count = 0;   ///< number of minimum covers, when enumerated
    bool countComplete = true; ///< false when the count is only a lower bound
};

/// Solves the table exactly; every row must lie in some column.
[[nodiscard]] CoverOutcome solveCover(const CoverTable& table, const CoverRequest& request);
