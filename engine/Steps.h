// The steps of a minimization, for learning the method: the prime implicants, the essential
// terms, the cover chart and its reductions, how the other terms were chosen, and whether the
// result is a minimum.
//
// The steps are a value computed from the function value alone; the window's Steps view, the
// report and `lorvane-cli explain` only present it, through the wrappers that take the map. Cells
// are minterm numbers throughout. Primes come in the exact minimizer's order (larger first, then by
// lowest minterm number), chart rows by minterm number, and the chosen terms in result order.
#pragma once

#include "engine/CarnoGrid.h"
#include "engine/function/BooleanFunction.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// Where the result that the steps end in comes from.
enum class StepsSource : std::uint8_t {
    Gluing, ///< the gluing analysis, Analyze's default
    Exact,  ///< the exact minimizer
    Shown,  ///< a result the caller gives, such as the one on show
};

/// A term of the steps: its text as the result tree writes it ("1"/"0" for the whole map) and
/// its cells, ascending.
struct StepsTerm {
    std::string text;
    std::vector<int> minterms;
    bool operator==(const StepsTerm&) const = default;
};

/// An essential prime implicant and the target cells that no other prime covers.
struct EssentialStep {
    int prime = 0;
    std::vector<int> cells;
};

/// One dominance reduction of the cover chart (rows are target cells, columns primes).
struct ReductionStep {
    enum Kind : std::uint8_t { Row, Column };
    Kind kind = Row;
    int removed = 0; ///< a row's minterm number, or a column's prime index
    int by = -1;     ///< the row or column that dominates it; -1 for a column left without rows
};

/// Why a term of the result that is not an essential prime is in it.
enum class ChoiceReason : std::uint8_t {
    Forced,   ///< after the reductions it is the only term left for a cell
    Chosen,   ///< chosen among others by the search or the analysis
    NotPrime, ///< the gluing analysis's term that is smaller than a prime implicant
};

struct ChoiceStep {
    StepsTerm term;
    int prime = -1; ///< index into the primes; -1 for a term that is not prime
    ChoiceReason reason = ChoiceReason::Chosen;
    int cell = -1; ///< for Forced: the cell that only this term covers after the reductions
};

/// Whether the result is a minimum cover (fewest terms).
enum class MinimumKind : std::uint8_t {
    Yes,     ///< a proven minimum of minimumTerms terms
    No,      ///< a minimum cover has minimumTerms terms, fewer than the result
    AtMost,  ///< not proven, but a cover of minimumTerms terms, fewer than the result, exists
    Unknown, ///< the search stopped at its time budget before it proved a minimum
};

struct Steps {
    TGlueMethod method = gmDNF;
    StepsSource source = StepsSource::Gluing;
    /// Every prime implicant that covers a target cell.
    std::vector<StepsTerm> primes;
    /// The essential primes, in prime order.
    std::vector<EssentialStep> essentials;
    /// Essential primes the result does not hold (the gluing analysis can cover their cells
    /// with smaller terms).
    std::vector<int> unusedEssentials;
    /// The chart after the essential terms: target cells they leave, primes that cover one.
    std::vector<int> chartRows;
    std::vector<int> chartColumns;
    /// Dominance reductions in the order applied, until none applies.
    std::vector<ReductionStep> reductions;
    /// The chart after the reductions.
    std::vector<int> reducedRows;
    std::vector<int> reducedColumns;
    /// The result terms that are not essential primes, in result order.
    std::vector<ChoiceStep> choices;
    /// The result terms in result order, and the result line as the tree's root line shows it.
    std::vector<StepsTerm> result;
    std::string resultText;
    MinimumKind minimum = MinimumKind::Yes;
    int minimumTerms = 0;
};

/// The steps for output `output` of the function under `method`, ending in the result Analyze
/// gives: the gluing analysis's, or with `exact` the exact minimizer's (the same cover as its
/// Analyze). Terms are written with the function's variable names.
[[nodiscard]] Steps explainSteps(const BooleanFunction& function, std::size_t output,
                                 TGlueMethod method, bool exact);

/// The steps for output `output` of the function under `method`, ending in `result` (its
/// terms as minterm sets, in result order), which must cover the output; `source` says where
/// the result comes from.
[[nodiscard]] Steps explainResult(const BooleanFunction& function, std::size_t output,
                                  TGlueMethod method, const std::vector<CellSet>& result,
                                  StepsSource source);

/// The steps for the function the map holds under `method` (empty cells count as non-target,
/// as Analyze fills them). Nothing when a cell holds an invalid text; nothing of the map
/// changes.
[[nodiscard]] std::optional<Steps> explainSteps(const TCarnoGrid& grid, TGlueMethod method,
                                                bool exact);

/// The steps for the map under its GlueMethod ending in `result`, which must cover the map
/// (ResultCheck's resultFault); `source` says where the result comes from. Nothing when a cell
/// holds an invalid text.
[[nodiscard]] std::optional<Steps>
explainResult(const TCarnoGrid& grid, const std::vector<TTermItem>& result, StepsSource source);

/// The chart columns (prime indexes) that cover chart row `cell`, in prime order.
[[nodiscard]] std::vector<int> chartColumnsOf(const Steps& steps, int cell);
