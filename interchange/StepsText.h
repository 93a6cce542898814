// The steps of a minimization written out: one parseable line per item for scripts, plain
// sentences for people (the Steps view, the printed page), and an HTML section for the report.
#pragma once

#include "engine/Steps.h"

#include <string>
#include <vector>

/// The steps as `lorvane-cli explain` prints them, one item per line without its line end:
/// "PRIME term cells", "ESSENTIAL term cells", "CHART rows cols", "REDUCE ROW cell",
/// "REDUCE COL term", "CHOOSE term", "RESULT text", and "MINIMUM yes", "MINIMUM no n",
/// "MINIMUM no at most n" or "MINIMUM unknown". Cells are minterm numbers joined by ",".
[[nodiscard]] std::vector<std::string> stepsLines(const Steps& steps);

/// The sentences the plain-words steps are made of. "%1" and "%2" stand for terms, cells and
/// counts; a translation may put them in any order.
struct StepsPhrases {
    std::string primesHeading = "Prime implicants";
    std::string essentialsHeading = "Essential terms";
    std::string chartHeading = "Cover chart";
    std::string reductionsHeading = "Reductions";
    std::string choicesHeading = "Choice of the other terms";
    std::string resultHeading = "Result";
    std::string prime = "%1 covers the cells %2.";
    std::string noPrime = "No cell must be covered.";
    std::string essential = "%1 is essential: only it covers %2.";
    std::string noEssential = "No prime implicant is essential.";
    std::string unusedEssential =
        "%1 is essential, but the gluing analysis covers its cells with smaller terms.";
    std::string chart = "Chart after the essential terms: %1 × %2 (cells × prime implicants).";
    std::string chartEmpty = "The essential terms cover every cell.";
    std::string chartRow = "Cell %1 is covered by %2.";
    std::string rowReduction = "Cell %1 is dropped: every term that covers cell %2 covers it too.";
    std::string columnReduction =
        "%1 is dropped: %2 covers every cell it covers, with no more literals.";
    std::string emptyColumn = "%1 is dropped: it covers no cell that is left.";
    std::string noReduction = "No row or column can be dropped.";
    std::string reduced = "Chart after the reductions: %1 × %2 (cells × prime implicants).";
    std::string forced = "%1 is taken: it is the only term left for cell %2.";
    std::string chosenExact = "%1 is chosen by the exact search.";
    std::string chosenGluing = "%1 is chosen by the gluing analysis.";
    std::string chosenShown = "%1 is chosen for the result.";
    std::string notPrime = "%1 is chosen by the gluing analysis; it is not a prime implicant.";
    std::string noChoice = "Nothing is left to choose.";
    std::string result = "Result: %1";
    std::string minimumYes = "The result is a minimum cover (terms: %1).";
    std::string minimumNo = "The result is not a minimum (terms of a minimum cover: %1).";
    std::string minimumAtMost = "The result is not a minimum (terms of a smaller cover: %1).";
    std::string minimumUnknown = "The search stopped before it proved a minimum.";
};

/// The parts of the plain-words steps, in the order they are told.
enum class StepsSection : std::uint8_t { Primes, Essentials, Chart, Reductions, Choices, Result };

/// One told step and the cells it is about, as minterm numbers: `cells` are painted,
/// `marked` stand out among them (an essential term's own cells, a chart row's cell).
struct StepItem {
    StepsSection section = StepsSection::Primes;
    std::string text;
    std::vector<int> cells;
    std::vector<int> marked;
};

/// The heading of a section in `phrases`.
[[nodiscard]] const std::string& sectionHeading(const StepsPhrases& phrases, StepsSection section);

/// The steps in plain words, section by section.
[[nodiscard]] std::vector<StepItem> stepItems(const Steps& steps, const StepsPhrases& phrases);

/// `phrase` with "%1" and "%2" replaced by `first` and `second`.
[[nodiscard]] std::string fillPhrase(const std::string& phrase, const std::string& first,
                                     const std::string& second = {});

/// The steps as an HTML fragment: one heading and one list per section, text escaped.
[[nodiscard]] std::string stepsHtml(const Steps& steps, const StepsPhrases& phrases = {});
