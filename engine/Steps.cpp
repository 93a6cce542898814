// The steps of a minimization: primes, essential terms, the chart's reductions and the choices.
#include "engine/Steps.h"

#include "engine/Gluing.h"
#include "engine/MapFunction.h"
#include "engine/MapGeometry.h"
#include "engine/exact/ExactMinimizer.h"
#include "engine/function/TermText.h"

#include <algorithm>
#include <unordered_map>

namespace {

/// A set of chart columns, one bit per column position.
class ColumnSet {
public:
    explicit ColumnSet(std::size_t columns) : m_words((columns + 63) / 64, 0) {}
    void Insert(std::size_t k) { m_words[k / 64] |= std::uint64_t{1} << (k % 64); }
    [[nodiscard]] bool IsSubsetOf(const ColumnSet& other) const {
        for (std::size_t i = 0; i < m_words.size(); ++i)
            if (m_words[i] & ~other.m_words[i])
                return false;
        return true;
    }
    bool operator==(const ColumnSet&) const = default;

private:
    std::vector<std::uint64_t> m_words;
};

std::vector<int> mintermList(const CellSet& set) {
    std::vector<int> list;
    set.ForEach([&](int m) { list.push_back(m); });
    return list;
}

/// The cover chart while it is reduced: rows are target cells, columns primes.
class Chart {
public:
    Chart(const std::vector<CellSet>& primes, const std::vector<int>& literals,
          const std::vector<int>& rows, const std::vector<int>& columns,
          const std::vector<bool>& inResult)
        : m_primes(primes), m_literals(literals), m_inResult(inResult), m_rows(rows),
          m_columns(columns) {
        for (int r : rows)
            m_rowSet.Insert(r);
    }

    /// Applies row and column dominance until neither applies, recording each removal.
    void Reduce(std::vector<ReductionStep>& steps) {
        for (bool changed = true; changed;) {
            changed = ReduceRows(steps);
            changed = ReduceColumns(steps) || changed;
        }
    }

    [[nodiscard]] const std::vector<int>& Rows() const { return m_rows; }
    [[nodiscard]] const std::vector<int>& Columns() const { return m_columns; }

    /// A row that only column `prime` still covers; -1 when there is none.
    [[nodiscard]] int RowOnlyCoveredBy(int prime) const {
        for (int r : m_rows) {
            int count = 0;
            bool covered = false;
            for (int c : m_columns) {
                if (!m_primes[Index(c)].Contains(r))
                    continue;
                ++count;
                covered = covered || c == prime;
            }
            if (count == 1 && covered)
                return r;
        }
        return -1;
    }

private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }

    [[nodiscard]] ColumnSet ColumnsOf(int row) const {
        ColumnSet set(m_columns.size());
        for (std::size_t k = 0; k < m_columns.size(); ++k)
            if (m_primes[Index(m_columns[k])].Contains(row))
                set.Insert(k);
        return set;
    }

    /// A row is dropped when another row's columns all cover it too: covering that row
    /// covers it. Of two rows with the same columns the later one goes.
    bool ReduceRows(std::vector<ReductionStep>& steps) {
        std::vector<ColumnSet> columns;
        for (int row : m_rows)
            columns.push_back(ColumnsOf(row));
        bool changed = false;
        for (std::size_t i = 0; i < m_rows.size();) {
            const int by = DominatingRow(columns, i);
            if (by < 0) {
                ++i;
                continue;
            }
            steps.push_back({ReductionStep::Row, m_rows[i], by});
            CellSet gone;
            gone.Insert(m_rows[i]);
            m_rowSet.Remove(gone);
            m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(i));
            columns.erase(columns.begin() + static_cast<std::ptrdiff_t>(i));
            changed = true;
        }
        return changed;
    }

    [[nodiscard]] int DominatingRow(const std::vector<ColumnSet>& columns, std::size_t i) const {
        for (std::size_t j = 0; j < m_rows.size(); ++j) {
            if (j == i || !columns[j].IsSubsetOf(columns[i]))
                continue;
            if (!(columns[j] == columns[i]) || m_rows[j] < m_rows[i])
                return m_rows[j];
        }
        return -1;
    }

    [[nodiscard]] CellSet RowsOf(int prime) const { return m_primes[Index(prime)] & m_rowSet; }

    /// Whether column `other` makes column `prime` unnecessary: it covers every row `prime`
    /// covers with no more literals. Of equal columns the one in the result stays, else the
    /// earlier one.
    [[nodiscard]] bool Dominates(int other, int prime) const {
        const CellSet mine = RowsOf(prime);
        const CellSet theirs = RowsOf(other);
        if (!mine.IsSubsetOf(theirs) || m_literals[Index(other)] > m_literals[Index(prime)])
            return false;
        const bool equal = mine == theirs && m_literals[Index(other)] == m_literals[Index(prime)];
        return !equal || m_inResult[Index(other)] || other < prime;
    }

    /// A column is dropped when another column dominates it, or when it covers no row left;
    /// a column of the result is never dropped, so that the chart ends in the result.
    bool ReduceColumns(std::vector<ReductionStep>& steps) {
        bool changed = false;
        for (std::size_t k = 0; k < m_columns.size();) {
            const int prime = m_columns[k];
            int by = -2;
            if (!m_inResult[Index(prime)]) {
                if (RowsOf(prime).Empty())
                    by = -1;
                for (std::size_t j = 0; by == -2 && j < m_columns.size(); ++j)
                    if (j != k && Dominates(m_columns[j], prime))
                        by = m_columns[j];
            }
            if (by == -2) {
                ++k;
                continue;
            }
            steps.push_back({ReductionStep::Column, prime, by});
            m_columns.erase(m_columns.begin() + static_cast<std::ptrdiff_t>(k));
            changed = true;
        }
        return changed;
    }

    const std::vector<CellSet>& m_primes;
    const std::vector<int>& m_literals;
    const std::vector<bool>& m_inResult;
    std::vector<int> m_rows;
    std::vector<int> m_columns;
    CellSet m_rowSet;
};

/// Everything the steps are derived from.
struct Inputs {
    ExactFunction function;
    std::vector<std::string> names; ///< the names terms are written with
    TGlueMethod method;
    ExactResult exact;
    std::vector<CellSet> result; ///< the result terms as minterm sets, in result order
    StepsSource source;
};

/// A term of the steps: its text (the constant when it has no literal) and its minterms.
StepsTerm stepsTerm(const Inputs& in, const Cube& cube, const CellSet& minterms) {
    const std::string text = termText(cube, in.names, in.method);
    return {text.empty() ? targetText(in.method) : text, mintermList(minterms)};
}

void findEssentials(const Inputs& in, const std::vector<CellSet>& primes, Steps& steps) {
    std::vector<std::vector<int>> only(primes.size());
    in.function.targets.ForEach([&](int m) {
        int cover = -1;
        int count = 0;
        for (std::size_t p = 0; p < primes.size() && count < 2; ++p)
            if (primes[p].Contains(m)) {
                cover = static_cast<int>(p);
                ++count;
            }
        if (count == 1)
            only[static_cast<std::size_t>(cover)].push_back(m);
    });
    for (std::size_t p = 0; p < primes.size(); ++p)
        if (!only[p].empty())
            steps.essentials.push_back({static_cast<int>(p), only[p]});
}

/// One flag per prime: whether it is essential.
std::vector<bool> essentialFlags(const Steps& steps) {
    std::vector<bool> essential(steps.primes.size(), false);
    for (const EssentialStep& e : steps.essentials)
        essential[static_cast<std::size_t>(e.prime)] = true;
    return essential;
}

void buildChart(const Inputs& in, const std::vector<CellSet>& primes,
                const std::vector<bool>& essential, Steps& steps) {
    CellSet left = in.function.targets;
    for (const EssentialStep& e : steps.essentials)
        left.Remove(primes[static_cast<std::size_t>(e.prime)]);
    steps.chartRows = mintermList(left);
    for (std::size_t p = 0; p < primes.size(); ++p)
        if (!essential[p] && primes[p].Intersects(left))
            steps.chartColumns.push_back(static_cast<int>(p));
}

/// Index of each result term among the primes, -1 for a term that is no prime.
std::vector<int> resultPrimes(const Inputs& in, const std::vector<CellSet>& primes) {
    std::unordered_map<CellSet, int, CellSetHash> index;
    for (std::size_t p = 0; p < primes.size(); ++p)
        index.emplace(primes[p], static_cast<int>(p));
    std::vector<int> found;
    for (const CellSet& term : in.result) {
        const auto it = index.find(term);
        found.push_back(it == index.end() ? -1 : it->second);
    }
    return found;
}

void chooseRest(const Inputs& in, const Chart& chart, const std::vector<int>& inResult,
                const std::vector<bool>& essential, Steps& steps) {
    for (std::size_t t = 0; t < in.result.size(); ++t) {
        const int prime = inResult[t];
        if (prime >= 0 && essential[static_cast<std::size_t>(prime)])
            continue;
        ChoiceStep choice{steps.result[t], prime, ChoiceReason::NotPrime, -1};
        if (prime >= 0) {
            choice.cell = chart.RowOnlyCoveredBy(prime);
            choice.reason = choice.cell >= 0 ? ChoiceReason::Forced : ChoiceReason::Chosen;
        }
        steps.choices.push_back(std::move(choice));
    }
    for (const EssentialStep& e : steps.essentials)
        if (std::find(inResult.begin(), inResult.end(), e.prime) == inResult.end())
            steps.unusedEssentials.push_back(e.prime);
}

void judgeMinimum(const Inputs& in, Steps& steps) {
    const int shown = static_cast<int>(in.result.size());
    const int found = in.exact.terms;
    steps.minimumTerms = found;
    if (in.exact.proven) {
        steps.minimum = found < shown ? MinimumKind::No : MinimumKind::Yes;
        return;
    }
    steps.minimum = found < shown ? MinimumKind::AtMost : MinimumKind::Unknown;
}

Steps buildSteps(const Inputs& in) {
    Steps steps;
    steps.method = in.method;
    steps.source = in.source;
    std::vector<CellSet> primes;
    std::vector<int> literals;
    for (const Cube& cube : in.exact.primes) {
        primes.push_back(cube.Minterms());
        literals.push_back(cube.Literals(in.function.variables));
        steps.primes.push_back(stepsTerm(in, cube, primes.back()));
    }
    std::vector<Cube> resultCubes;
    for (const CellSet& term : in.result) {
        resultCubes.push_back(Cube::Spanning(term, in.function.variables));
        steps.result.push_back(stepsTerm(in, resultCubes.back(), term));
    }
    steps.resultText = resultCaption(resultCubes, in.names, in.method);

    findEssentials(in, primes, steps);
    const std::vector<bool> essential = essentialFlags(steps);
    buildChart(in, primes, essential, steps);
    const std::vector<int> inResult = resultPrimes(in, primes);
    std::vector<bool> resultColumn(primes.size(), false);
    for (int p : inResult)
        if (p >= 0)
            resultColumn[static_cast<std::size_t>(p)] = true;
    Chart chart(primes, literals, steps.chartRows, steps.chartColumns, resultColumn);
    chart.Reduce(steps.reductions);
    steps.reducedRows = chart.Rows();
    steps.reducedColumns = chart.Columns();
    chooseRest(in, chart, inResult, essential, steps);
    judgeMinimum(in, steps);
    return steps;
}

Inputs inputsOf(const BooleanFunction& function, std::size_t output, TGlueMethod method,
                StepsSource source) {
    Inputs in{
        exactFunction(function, output, method), function.VariableNames(), method, {}, {}, source};
    in.exact = minimizeExact(in.function);
    return in;
}

/// The terms as minterm sets, their cells read on the map of `variables` variables.
std::vector<CellSet> mintermSets(int variables, const std::vector<TTermItem>& terms) {
    const MapGeometry geometry(variables);
    std::vector<CellSet> sets;
    for (const TTermItem& term : terms)
        sets.push_back(geometry.TermMinterms(term));
    return sets;
}

} // namespace

Steps explainSteps(const BooleanFunction& function, std::size_t output, TGlueMethod method,
                   bool exact) {
    Inputs in =
        inputsOf(function, output, method, exact ? StepsSource::Exact : StepsSource::Gluing);
    if (exact) {
        for (const Cube& cube : in.exact.cover)
            in.result.push_back(cube.Minterms());
        return buildSteps(in);
    }
    in.result = mintermSets(function.inputs, glueOutput(function, output, method).terms);
    return buildSteps(in);
}

Steps explainResult(const BooleanFunction& function, std::size_t output, TGlueMethod method,
                    const std::vector<CellSet>& result, StepsSource source) {
    Inputs in = inputsOf(function, output, method, source);
    in.result = result;
    return buildSteps(in);
}

std::optional<Steps> explainSteps(const TCarnoGrid& grid, TGlueMethod method, bool exact) {
    if (!grid.CellsValid())
        return std::nullopt;
    return explainSteps(mapFunction(grid, method), 0, method, exact);
}

std::optional<Steps> explainResult(const TCarnoGrid& grid, const std::vector<TTermItem>& result,
                                   StepsSource source) {
    if (!grid.CellsValid())
        return std::nullopt;
    return explainResult(mapFunction(grid, grid.GlueMethod), 0, grid.GlueMethod,
                         mintermSets(grid.GetVariableCount(), result), source);
}

std::vector<int> chartColumnsOf(const Steps& steps, int cell) {
    std::vector<int> columns;
    for (int p : steps.chartColumns) {
        const std::vector<int>& cells = steps.primes[static_cast<std::size_t>(p)].minterms;
        if (std::binary_search(cells.begin(), cells.end(), cell))
            columns.push_back(p);
    }
    return columns;
}
