// Term gluing: pairs of neighbouring cells, then terms of twice the size, level by level.
#include "engine/CarnoGrid.h"
#include "engine/Neighbours.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

void TCarnoGrid::AdvanceProgress(int step) const {
    if (m_progress)
        m_progress->SetPosition(m_progress->Position() + step);
}

void TCarnoGrid::Glue() {
    m_coveredCells.clear();
    m_covered = CellSet{};
    m_resultTerms.clear();
    m_termLevels.clear();

    const int cols = DataCols();
    const int rows = DataRows();
    if (m_progress)
        m_progress->SetMax(cols * rows);
    m_termLevels.reserve(10);
    m_termLevels.push_back(TLevelItem{{}, 1});
    m_termLevels.push_back(TLevelItem{{}, 2});
    m_targetCount = 0;
    m_blockWidth = 4;
    for (int c = 1; c <= cols; ++c) {
        for (int r = 1; r <= rows; ++r) {
            CellSet& around = m_neighbours[static_cast<std::size_t>(CellSet::Index(c, r))];
            around = CellSet{};
            for (const CellPos& p : neighbourCells(c, r, cols, rows, m_blockWidth))
                around.Insert(CellSet::Index(p.col, p.row));
        }
    }

    int targets = 0;
    BuildPairs(targets);
    m_targetCount = targets;
    if (m_progress)
        m_progress->SetMax(m_progress->Max() + targets * targets);
    BuildLevels();

    ChooseCover();
    RemoveContainedTerms();
    RemoveRedundantTerms();

    if (m_progress)
        m_progress->SetPosition(m_progress->Max());
    ResultText = JoinTermTexts(m_resultTerms);
}

void TCarnoGrid::BuildPairs(int& targetCount) {
    const std::string target = targetText(GlueMethod);
    const TValueCode code = targetCode(GlueMethod);
    const int cols = DataCols();
    const int rows = DataRows();
    std::unordered_set<CellSet, CellSetHash> pairs;
    auto addPair = [&](const TCellItem& p, const TCellItem& q) {
        TTermItem term;
        term.Append(p);
        term.Append(q);
        if (pairs.insert(term.set).second)
            m_termLevels[1].terms.push_back(std::move(term));
    };

    for (int c = 1; c <= cols; ++c) {
        for (int r = 1; r <= rows; ++r) {
            AdvanceProgress(1);
            const std::string& text = Cells(c, r);
            const bool isTarget = text == target;
            if (!isTarget && text != "*")
                continue;
            const TCellItem p{static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(r),
                              CellCode(text)};
            bool found = false;
            for (const CellPos& n : neighbourCells(c, r, cols, rows, m_blockWidth)) {
                const std::string& other = Cells(n.col, n.row);
                const bool partner =
                    isTarget ? (other == text || other == "*") : (other == "*" || other == target);
                if (!partner)
                    continue;
                addPair(p, {static_cast<std::uint8_t>(n.col), static_cast<std::uint8_t>(n.row),
                            CellCode(other)});
                found = true;
            }
            if (!isTarget)
                continue;
            ++targetCount;
            if (!found) {
                TTermItem single;
                single.Append({p.col, p.row, code});
                m_termLevels[0].terms.push_back(std::move(single));
            }
        }
    }
}

void TCarnoGrid::BuildLevels() {
    int expected = 2;
    for (std::size_t i = 0; i < m_termLevels.size(); ++i) {
        if (m_termLevels[i].size != expected || m_termLevels[i].terms.empty())
            continue;
        expected *= 2;
        m_termLevels.push_back(TLevelItem{{}, expected});
        GlueLevel(m_termLevels[i].terms, m_termLevels.back().terms);
    }
}

void TCarnoGrid::GlueLevel(const std::vector<TTermItem>& terms, std::vector<TTermItem>& glued) {
    const int mapCells = DataCols() * DataRows();
    const int count = static_cast<int>(terms.size());
    // Two terms glue only as mirror images across one variable, or as the two disjoint halves
    // of the whole map; so the partners worth testing are found by looking the mirror images
    // up, with each term's cells held as a set of minterm numbers.
    std::vector<CellSet> minterms(terms.size());
    std::unordered_map<CellSet, int, CellSetHash> indexOf;
    indexOf.reserve(terms.size());
    for (int t = 0; t < count; ++t) {
        const auto at = static_cast<std::size_t>(t);
        for (const TCellItem& cell : terms[at].cells)
            minterms[at].Insert(MintermOf(cell.col, cell.row));
        indexOf.emplace(minterms[at], t);
    }
    const bool halves = count > 0 && 2 * terms.front().CellCount() == mapCells;

    std::unordered_set<CellSet, CellSetHash> seen;
    std::vector<int> candidates;
    for (int x = 0; x < count; ++x) {
        const TTermItem& tx = terms[static_cast<std::size_t>(x)];
        candidates.clear();
        if (halves) {
            for (int y = x + 1; y < count; ++y)
                candidates.push_back(y);
        } else {
            for (int bit = 0; bit < m_variableCount; ++bit) {
                const auto it = indexOf.find(minterms[static_cast<std::size_t>(x)].Flipped(bit));
                if (it != indexOf.end() && it->second > x)
                    candidates.push_back(it->second);
            }
            std::sort(candidates.begin(), candidates.end());
        }
        for (int y : candidates) {
            const TTermItem& ty = terms[static_cast<std::size_t>(y)];
            if (tx.CellCount() != ty.CellCount() || !Gluable(tx, ty))
                continue;
            // Many pairs glue to the same term; only a new one is built.
            if (!seen.insert(tx.set | ty.set).second)
                continue;
            TTermItem& joined = glued.emplace_back();
            joined.cells.reserve(tx.cells.size() + ty.cells.size());
            for (const TCellItem& cell : tx.cells)
                joined.Append(cell);
            for (const TCellItem& cell : ty.cells)
                joined.Append(cell);
        }
        AdvanceProgress(1);
    }
}

bool TCarnoGrid::Gluable(const TTermItem& x, const TTermItem& y) const {
    const int mapCells = DataCols() * DataRows();
    if (x.CellCount() + y.CellCount() == mapCells && !x.set.Intersects(y.set))
        return true;
    if (y.CellCount() != x.CellCount())
        return false;
    // Every cell of x must reach a cell of y that x does not hold itself.
    for (const TCellItem& cell : x.cells) {
        const CellSet& around =
            m_neighbours[static_cast<std::size_t>(CellSet::Index(cell.col, cell.row))];
        if (!around.IntersectsOutside(y.set, x.set))
            return false;
    }
    return true;
}
