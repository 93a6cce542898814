// The covering table's reductions, its split into components, and the moves on a search node.
#include "engine/exact/CoverSearchInternal.h"

#include <array>
#include <climits>

namespace cover {

namespace {

std::vector<std::vector<int>> columnsByRow(const CoverTable& table) {
    std::vector<std::vector<int>> rowColumns(256);
    for (std::size_t c = 0; c < table.columns.size(); ++c)
        table.columns[c].ForEach(
            [&](int row) { rowColumns[index(row)].push_back(static_cast<int>(c)); });
    return rowColumns;
}

int lowestOf(const CellSet& set) {
    int lowest = -1;
    set.ForEach([&](int row) { lowest = lowest < 0 ? row : lowest; });
    return lowest;
}

} // namespace

Reducer::Reducer(const CoverTable& table) : m_table(table), m_rowColumns(columnsByRow(table)) {}

void Reducer::Take(Node& node, int c) const {
    node.chosen.push_back(c);
    node.cost = node.cost + CoverCost{1, Weight(c)};
    node.uncovered.Remove(Rows(c));
    node.allowed[index(c)] = 0;
}

std::vector<int> Reducer::ColumnsOf(const Node& node, int row) const {
    std::vector<int> columns;
    for (int c : ColumnsCovering(row))
        if (node.allowed[index(c)])
            columns.push_back(c);
    return columns;
}

int Reducer::Degree(const Node& node, int row) const {
    int degree = 0;
    for (int c : ColumnsCovering(row))
        degree += node.allowed[index(c)];
    return degree;
}

int Reducer::BranchRow(const Node& node) const {
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

bool Reducer::Reduce(Node& node, Dominance dominance) const {
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

bool Reducer::TakeEssentials(Node& node, bool& feasible) const {
    bool changed = false;
    const CellSet rows = node.uncovered;
    rows.ForEach([&](int row) {
        if (!feasible || !node.uncovered.Contains(row))
            return;
        int only = -1;
        int degree = 0;
        for (int c : ColumnsCovering(row)) {
            const int allowed = node.allowed[index(c)];
            degree += allowed;
            only = allowed ? c : only;
        }
        if (degree == 0)
            feasible = false;
        if (degree != 1)
            return;
        Take(node, only);
        changed = true;
    });
    return changed;
}

void Reducer::DropUselessColumns(Node& node) const {
    for (int c = 0; c < ColumnCount(); ++c)
        if (node.allowed[index(c)] && !Rows(c).Intersects(node.uncovered))
            node.allowed[index(c)] = 0;
}

/// A row whose columns all cover another row makes that other row free: covering the first
/// covers it. Of equal rows the lowest stays.
bool Reducer::RemoveDominatedRows(Node& node) const {
    bool changed = false;
    const CellSet rows = node.uncovered;
    rows.ForEach([&](int row) {
        if (!node.uncovered.Contains(row))
            return;
        CellSet common = node.uncovered;
        for (int c : ColumnsCovering(row))
            if (node.allowed[index(c)])
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

bool Reducer::Dominates(int j, const CellSet& theirs, int i, const CellSet& mine,
                        Dominance dominance) const {
    if (Weight(j) > Weight(i) || !mine.IsSubsetOf(theirs))
        return false;
    if (Weight(j) < Weight(i))
        return true;
    if (dominance == Dominance::Strict)
        return false;
    return theirs != mine || j < i;
}

bool Reducer::IsDominated(const Node& node, int i, const std::vector<CellSet>& left, int rarest,
                          Dominance dominance) const {
    for (int j : ColumnsCovering(rarest))
        if (j != i && node.allowed[index(j)] &&
            Dominates(j, left[index(j)], i, left[index(i)], dominance))
            return true;
    return false;
}

/// A column can only be dominated by a column that shares its rows, so the candidates are the
/// columns of its rarest row.
bool Reducer::RemoveDominatedColumns(Node& node, Dominance dominance) const {
    std::array<int, 256> degree{};
    node.uncovered.ForEach([&](int row) { degree[index(row)] = Degree(node, row); });
    std::vector<CellSet> left(m_table.columns.size());
    for (int c = 0; c < ColumnCount(); ++c)
        if (node.allowed[index(c)])
            left[index(c)] = Rows(c) & node.uncovered;
    bool changed = false;
    for (int i = 0; i < ColumnCount(); ++i) {
        if (!node.allowed[index(i)])
            continue;
        const CellSet& mine = left[index(i)];
        int rarest = -1;
        mine.ForEach([&](int row) {
            if (rarest < 0 || degree[index(row)] < degree[index(rarest)])
                rarest = row;
        });
        if (rarest >= 0 && !IsDominated(node, i, left, rarest, dominance))
            continue;
        node.allowed[index(i)] = 0;
        mine.ForEach([&](int row) { --degree[index(row)]; });
        changed = true;
    }
    return changed;
}

std::vector<Node> Reducer::SplitComponents(const Node& node) const {
    std::vector<Node> parts;
    CellSet left = node.uncovered;
    while (!left.Empty()) {
        Node& part = parts.emplace_back();
        part.allowed.assign(m_table.columns.size(), 0);
        part.countMultipliers = node.countMultipliers;
        part.weightMultipliers = node.weightMultipliers;
        std::vector<int> queue{lowestOf(left)};
        part.uncovered.Insert(queue.front());
        while (!queue.empty()) {
            const int row = queue.back();
            queue.pop_back();
            for (int c : ColumnsCovering(row)) {
                if (!node.allowed[index(c)] || part.allowed[index(c)])
                    continue;
                part.allowed[index(c)] = 1;
                CellSet fresh = Rows(c) & left;
                fresh.Remove(part.uncovered);
                part.uncovered |= fresh;
                fresh.ForEach([&](int next) { queue.push_back(next); });
            }
        }
        left.Remove(part.uncovered);
    }
    return parts;
}

} // namespace cover
