// The gluing analysis: pairs of neighbouring cells, terms of twice the size level by level,
// the cover chosen from them and its two clean-up passes.
#include "engine/Gluing.h"

#include "engine/MapGeometry.h"
#include "engine/Neighbours.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr int kBlockWidth = 4;

bool onlyDontCares(const TTermItem& term) {
    for (const TCellItem& cell : term.cells)
        if (cell.code != vcDontCare)
            return false;
    return true;
}

CellSet targetCells(const TTermItem& term, TValueCode target) {
    CellSet set;
    for (const TCellItem& cell : term.cells)
        if (cell.code == target)
            set.Insert(CellSet::Index(cell.col, cell.row));
    return set;
}

TCellItem cellItem(int col, int row, char value) {
    return {static_cast<std::uint8_t>(col), static_cast<std::uint8_t>(row), valueCode(value)};
}

/// One run of the analysis on the cells of one output, laid out as on the map.
class Gluing {
public:
    Gluing(const BooleanFunction& function, std::size_t output, TGlueMethod method,
           IProgressBar* progress)
        : m_geometry(function.inputs), m_values(function.outputs[output]), m_method(method),
          m_progress(progress) {}

    GluingResult Run() {
        const int cols = m_geometry.DataCols();
        const int rows = m_geometry.DataRows();
        if (m_progress)
            m_progress->SetMax(cols * rows);
        m_result.levels.reserve(10);
        m_result.levels.push_back(TLevelItem{{}, 1});
        m_result.levels.push_back(TLevelItem{{}, 2});
        for (int c = 1; c <= cols; ++c) {
            for (int r = 1; r <= rows; ++r) {
                CellSet& around = m_neighbours[static_cast<std::size_t>(CellSet::Index(c, r))];
                for (const CellPos& p : neighbourCells(c, r, cols, rows, kBlockWidth))
                    around.Insert(CellSet::Index(p.col, p.row));
            }
        }

        BuildPairs();
        if (m_progress)
            m_progress->SetMax(m_progress->Max() + m_result.targetCount * m_result.targetCount);
        BuildLevels();

        ChooseCover();
        RemoveContainedTerms();
        RemoveRedundantTerms();

        if (m_progress)
            m_progress->SetPosition(m_progress->Max());
        return std::move(m_result);
    }

private:
    [[nodiscard]] char ValueAt(int col, int row) const {
        return m_values[static_cast<std::size_t>(m_geometry.MintermOf(col, row))];
    }

    void AdvanceProgress(int step) const {
        if (m_progress)
            m_progress->SetPosition(m_progress->Position() + step);
    }

    void BuildPairs() {
        const char target = *targetText(m_method);
        const TValueCode code = targetCode(m_method);
        const int cols = m_geometry.DataCols();
        const int rows = m_geometry.DataRows();
        std::unordered_set<CellSet, CellSetHash> pairs;
        auto addPair = [&](const TCellItem& p, const TCellItem& q) {
            TTermItem term;
            term.Append(p);
            term.Append(q);
            if (pairs.insert(term.set).second)
                m_result.levels[1].terms.push_back(std::move(term));
        };

        for (int c = 1; c <= cols; ++c) {
            for (int r = 1; r <= rows; ++r) {
                AdvanceProgress(1);
                const char value = ValueAt(c, r);
                const bool isTarget = value == target;
                if (!isTarget && value != '*')
                    continue;
                const TCellItem p = cellItem(c, r, value);
                bool found = false;
                for (const CellPos& n : neighbourCells(c, r, cols, rows, kBlockWidth)) {
                    const char other = ValueAt(n.col, n.row);
                    const bool partner = isTarget ? (other == value || other == '*')
                                                  : (other == '*' || other == target);
                    if (!partner)
                        continue;
                    addPair(p, cellItem(n.col, n.row, other));
                    found = true;
                }
                if (!isTarget)
                    continue;
                ++m_result.targetCount;
                if (!found) {
                    TTermItem single;
                    single.Append({p.col, p.row, code});
                    m_result.levels[0].terms.push_back(std::move(single));
                }
            }
        }
    }

    void BuildLevels() {
        std::vector<TLevelItem>& levels = m_result.levels;
        int expected = 2;
        for (std::size_t i = 0; i < levels.size(); ++i) {
            if (levels[i].size != expected || levels[i].terms.empty())
                continue;
            expected *= 2;
            levels.push_back(TLevelItem{{}, expected});
            GlueLevel(levels[i].terms, levels.back().terms);
        }
    }

    [[nodiscard]] int MapCells() const { return m_geometry.DataCols() * m_geometry.DataRows(); }

    void GlueLevel(const std::vector<TTermItem>& terms, std::vector<TTermItem>& glued) {
        const int count = static_cast<int>(terms.size());
        // Two terms glue only as mirror images across one variable, or as the two disjoint
        // halves of the whole map; so the partners worth testing are found by looking the
        // mirror images up, with each term's cells held as a set of minterm numbers.
        std::vector<CellSet> minterms(terms.size());
        std::unordered_map<CellSet, int, CellSetHash> indexOf;
        indexOf.reserve(terms.size());
        for (int t = 0; t < count; ++t) {
            const auto at = static_cast<std::size_t>(t);
            for (const TCellItem& cell : terms[at].cells)
                minterms[at].Insert(m_geometry.MintermOf(cell.col, cell.row));
            indexOf.emplace(minterms[at], t);
        }
        const bool halves = count > 0 && 2 * terms.front().CellCount() == MapCells();

        std::unordered_set<CellSet, CellSetHash> seen;
        std::vector<int> candidates;
        for (int x = 0; x < count; ++x) {
            const TTermItem& tx = terms[static_cast<std::size_t>(x)];
            candidates.clear();
            if (halves) {
                for (int y = x + 1; y < count; ++y)
                    candidates.push_back(y);
            } else {
                for (int bit = 0; bit < m_geometry.variables; ++bit) {
                    const auto it =
                        indexOf.find(minterms[static_cast<std::size_t>(x)].Flipped(bit));
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

    [[nodiscard]] bool Gluable(const TTermItem& x, const TTermItem& y) const {
        if (x.CellCount() + y.CellCount() == MapCells() && !x.set.Intersects(y.set))
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

    [[nodiscard]] bool AllCovered() const {
        return static_cast<int>(m_result.covered.size()) == m_result.targetCount;
    }

    void TakeTerm(TTermItem& term) {
        m_result.terms.push_back(term);
        m_result.terms.back().taken = false;
        term.taken = true;
        for (const TCellItem& cell : term.cells) {
            const int index = CellSet::Index(cell.col, cell.row);
            if (cell.code == vcDontCare || m_covered.Contains(index))
                continue;
            m_covered.Insert(index);
            m_result.covered.push_back(cell);
        }
    }

    void ChooseCover() {
        std::vector<TLevelItem>& levels = m_result.levels;
        // The largest terms lie in the level before the last one, which is always empty.
        for (std::size_t level = levels.size() - 2; level > 0 && !AllCovered(); --level) {
            std::vector<TTermItem>& terms = levels[level].terms;
            for (TTermItem& term : terms)
                if (onlyDontCares(term))
                    term.taken = true;
            // Each round takes the last term not taken yet, so the level is used from its end.
            for (auto it = terms.rbegin(); it != terms.rend() && !AllCovered(); ++it)
                if (!it->taken)
                    TakeTerm(*it);
        }
        for (const TTermItem& single : levels[0].terms)
            m_result.terms.push_back(single);
    }

    void RemoveContainedTerms() {
        std::vector<TTermItem>& terms = m_result.terms;
        for (std::size_t i = 0; i < terms.size();) {
            bool contained = false;
            for (std::size_t j = 0; j < terms.size() && !contained; ++j)
                contained = j != i && terms[i].set.IsSubsetOf(terms[j].set);
            if (contained)
                terms.erase(terms.begin() + static_cast<std::ptrdiff_t>(i));
            else
                ++i;
        }
    }

    void RemoveRedundantTerms() {
        std::vector<TTermItem>& terms = m_result.terms;
        const TValueCode target = targetCode(m_method);
        // Removals take effect at once: each term is judged against the list as it stands.
        for (std::size_t i = 0; i < terms.size();) {
            const TTermItem& p = terms[i];
            const CellSet pTargets = targetCells(p, target);
            const int pTargetCount = pTargets.Count();
            CellSet others;
            bool dominated = false;
            for (std::size_t j = 0; j < terms.size(); ++j) {
                if (j == i)
                    continue;
                const TTermItem& q = terms[j];
                others |= q.set;
                if (targetCells(q, target).Count() > pTargetCount && pTargets.IsSubsetOf(q.set))
                    dominated = true;
            }
            int shared = 0;
            for (const TCellItem& cell : p.cells)
                if (cell.code == target && others.Contains(CellSet::Index(cell.col, cell.row)))
                    ++shared;
            if (shared == p.CellCount() || dominated)
                terms.erase(terms.begin() + static_cast<std::ptrdiff_t>(i));
            else
                ++i;
        }
    }

    MapGeometry m_geometry;
    const std::vector<char>& m_values;
    TGlueMethod m_method;
    IProgressBar* m_progress;
    /// Neighbour cells of every cell, as sets.
    std::array<CellSet, 256> m_neighbours{};
    /// The target cells of m_result.covered, as a set.
    CellSet m_covered;
    GluingResult m_result;
};

} // namespace

GluingResult glueOutput(const BooleanFunction& function, std::size_t output, TGlueMethod method,
                        IProgressBar* progress) {
    return Gluing(function, output, method, progress).Run();
}
