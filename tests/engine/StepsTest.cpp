// The steps of a minimization: worked examples line by line, and properties over random maps.
#include "TestSupport.h"

#include "engine/ExactMap.h"
#include "engine/Steps.h"
#include "interchange/StepsText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>

namespace {

using Lines = std::vector<std::string>;

struct StepsCase {
    const char* name;
    int variables;
    std::vector<int> ones;
    std::vector<int> zeros;
    std::vector<int> dontCares;
    TGlueMethod method;
    bool exact;
    Lines lines;
};

Lines explain(const StepsCase& c) {
    TestMap map(c.variables);
    map.Set(c.ones, "1");
    map.Set(c.zeros, "0");
    map.Set(c.dontCares, "*");
    const auto steps = explainSteps(map.grid, c.method, c.exact);
    EXPECT_TRUE(steps.has_value());
    EXPECT_TRUE(map.messages.shown.empty()) << "the steps show nothing";
    return steps ? stepsLines(*steps) : Lines{};
}

std::vector<int> range(int from, int to) {
    std::vector<int> list;
    for (int m = from; m <= to; ++m)
        list.push_back(m);
    return list;
}

class WorkedSteps : public testing::TestWithParam<StepsCase> {};

TEST_P(WorkedSteps, GiveTheseLines) {
    EXPECT_EQ(explain(GetParam()), GetParam().lines);
}

/// Minterm numbers 0 .. count - 1 as the steps list cells.
std::string allCells(int count) {
    std::string all;
    for (int m = 0; m < count; ++m)
        all += (m ? "," : "") + std::to_string(m);
    return all;
}

const std::string kAll16 = allCells(16);
const std::string kAll256 = allCells(256);

INSTANTIATE_TEST_SUITE_P(
    Examples, WorkedSteps,
    testing::Values(
        StepsCase{"EveryPrimeEssential",
                  4,
                  {0, 2, 5, 7, 8, 10, 13, 15},
                  {},
                  {},
                  gmDNF,
                  false,
                  {"PRIME |B*|D 0,2,8,10", "PRIME B*D 5,7,13,15", "ESSENTIAL |B*|D 0,2,8,10",
                   "ESSENTIAL B*D 5,7,13,15", "CHART 0 0", "RESULT B*D+|B*|D", "MINIMUM yes"}},
        StepsCase{"CyclicExact",
                  3,
                  {0, 1, 2, 5, 6, 7},
                  {},
                  {},
                  gmDNF,
                  true,
                  {"PRIME |A*|B 0,1", "PRIME |A*|C 0,2", "PRIME |B*C 1,5", "PRIME B*|C 2,6",
                   "PRIME A*C 5,7", "PRIME A*B 6,7", "CHART 6 6", "CHOOSE |A*|B", "CHOOSE B*|C",
                   "CHOOSE A*C", "RESULT |A*|B+B*|C+A*C", "MINIMUM yes"}},
        StepsCase{"CyclicGluingIsNoMinimum",
                  3,
                  {0, 1, 2, 5, 6, 7},
                  {},
                  {},
                  gmDNF,
                  false,
                  {"PRIME |A*|B 0,1", "PRIME |A*|C 0,2", "PRIME |B*C 1,5", "PRIME B*|C 2,6",
                   "PRIME A*C 5,7", "PRIME A*B 6,7", "CHART 6 6", "CHOOSE A*B", "CHOOSE |B*C",
                   "CHOOSE |A*|C", "RESULT A*B+|B*C+|A*|C", "MINIMUM yes"}},
        StepsCase{"DontCaresAndAColumnDominance",
                  4,
                  {4, 8, 10, 11, 12, 15},
                  {},
                  {9, 14},
                  gmDNF,
                  true,
                  {"PRIME A*|B 8,9,10,11", "PRIME A*|D 8,10,12,14", "PRIME A*C 10,11,14,15",
                   "PRIME B*|C*|D 4,12", "ESSENTIAL A*C 15", "ESSENTIAL B*|C*|D 4", "CHART 1 2",
                   "REDUCE COL A*|D", "CHOOSE A*|B", "RESULT A*|B+A*C+B*|C*|D", "MINIMUM yes"}},
        StepsCase{"ProductOfSums",
                  4,
                  {},
                  {0, 1, 4, 5, 7},
                  {},
                  gmKNF,
                  false,
                  {"PRIME A+C 0,1,4,5", "PRIME A+|B+|D 5,7", "ESSENTIAL A+C 0,1,4",
                   "ESSENTIAL A+|B+|D 7", "CHART 0 0", "RESULT A+C*A+|B+|D", "MINIMUM yes"}},
        StepsCase{
            "WholeMapOfOnes",
            4,
            range(0, 15),
            {},
            {},
            gmDNF,
            false,
            {"PRIME 1 " + kAll16, "ESSENTIAL 1 " + kAll16, "CHART 0 0", "RESULT 1", "MINIMUM yes"}},
        StepsCase{
            "WholeMapOfZeros",
            4,
            {},
            range(0, 15),
            {},
            gmKNF,
            true,
            {"PRIME 0 " + kAll16, "ESSENTIAL 0 " + kAll16, "CHART 0 0", "RESULT 0", "MINIMUM yes"}},
        StepsCase{"NothingToCover",
                  4,
                  {},
                  {},
                  {3, 7},
                  gmDNF,
                  false,
                  {"CHART 0 0", "RESULT", "MINIMUM yes"}},
        StepsCase{"EightVariablesGlueSmallerThanPrime",
                  8,
                  range(0, 255),
                  {},
                  {},
                  gmDNF,
                  false,
                  {"PRIME 1 " + kAll256, "ESSENTIAL 1 " + kAll256, "CHART 0 0", "CHOOSE B*F",
                   "CHOOSE |B*F", "CHOOSE B*|F", "CHOOSE |B*|F", "RESULT B*F+|B*F+B*|F+|B*|F",
                   "MINIMUM no 1"}}),
    [](const testing::TestParamInfo<StepsCase>& info) { return std::string(info.param.name); });

TEST(Steps, RefusedMapHasNoStepsAndStaysAsItWas) {
    TestMap map(3);
    map.Set({0}, "x");
    EXPECT_FALSE(explainSteps(map.grid, gmDNF, false));
    EXPECT_FALSE(explainResult(map.grid, {}, StepsSource::Shown));
    EXPECT_EQ(map.At(0), "x");
    EXPECT_EQ(map.At(1), "") << "empty cells are not filled";
    EXPECT_TRUE(map.messages.shown.empty());
}

TEST(Steps, PlainWordsPaintAnEssentialTermWithItsOwnCellsMarked) {
    TestMap map(3);
    map.Set({0, 1, 3}, "1");
    const auto steps = explainSteps(map.grid, gmDNF, true);
    ASSERT_TRUE(steps);
    const std::vector<StepItem> items = stepItems(*steps, {});
    const auto essential = std::find_if(items.begin(), items.end(), [](const StepItem& item) {
        return item.section == StepsSection::Essentials;
    });
    ASSERT_NE(essential, items.end());
    EXPECT_EQ(essential->text, "|A*|B is essential: only it covers 0.");
    EXPECT_EQ(essential->cells, (std::vector<int>{0, 1}));
    EXPECT_EQ(essential->marked, (std::vector<int>{0}));
    EXPECT_EQ(items.back().text, "The result is a minimum cover (terms: 2).");
    EXPECT_EQ(fillPhrase("%2 before %1, 100%", "a", "b"), "b before a, 100%");
    EXPECT_NE(stepsHtml(*steps).find("<td>Prime implicants</td>"), std::string::npos);
}

// --- properties over random maps ------------------------------------------------------------

struct RandomMap {
    int variables;
    CellSet targets;
    CellSet dontCares;
};

/// Every minterm of the cube spanned by `minterms` is one of them and target or don't care,
/// and no variable they fix can be freed.
void expectPrime(const RandomMap& map, const std::vector<int>& minterms, const std::string& where) {
    const int full = (1 << map.variables) - 1;
    int ones = full;
    int zeros = full;
    for (int m : minterms) {
        ones &= m;
        zeros &= ~m & full;
    }
    const int fixed = ones | zeros;
    ASSERT_EQ(static_cast<int>(minterms.size()),
              1 << (map.variables - std::popcount(static_cast<unsigned>(fixed))))
        << where;
    const CellSet allowed = map.targets | map.dontCares;
    auto blockAllowed = [&](int fixedBits, int value) {
        for (int m = 0; m <= full; ++m)
            if ((m & fixedBits) == value && !allowed.Contains(m))
                return false;
        return true;
    };
    ASSERT_TRUE(blockAllowed(fixed, ones)) << where;
    for (int bit = 1; bit <= full; bit <<= 1) {
        if (fixed & bit) {
            ASSERT_FALSE(blockAllowed(fixed & ~bit, ones & ~bit)) << where << " grows";
        }
    }
}

std::vector<std::string> sortedTexts(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}

/// The result line the program shows for the map: Analyze's root line.
std::string shownResult(const RandomMap& random, TGlueMethod method, bool exact) {
    TestMap map(random.variables);
    for (int m = 0; m < 1 << random.variables; ++m)
        map.Set({m}, random.targets.Contains(m)     ? targetText(method)
                     : random.dontCares.Contains(m) ? "*"
                                                    : otherText(method));
    (void)map.grid.Analyze(method, exact);
    return map.tree.lines.front();
}

void checkSteps(const RandomMap& random, TGlueMethod method, bool exact, const std::string& where) {
    TestMap map(random.variables);
    for (int m = 0; m < 1 << random.variables; ++m)
        if (random.targets.Contains(m) || random.dontCares.Contains(m))
            map.Set({m}, random.targets.Contains(m) ? targetText(method) : "*");
    const auto steps = explainSteps(map.grid, method, exact);
    ASSERT_TRUE(steps) << where;
    CellSet covered;
    for (const StepsTerm& prime : steps->primes) {
        expectPrime(random, prime.minterms, where + " prime " + prime.text);
        for (int m : prime.minterms)
            covered.Insert(m);
    }
    ASSERT_TRUE(random.targets.IsSubsetOf(covered)) << where;
    for (const EssentialStep& e : steps->essentials) {
        for (int m : e.cells) {
            for (std::size_t p = 0; p < steps->primes.size(); ++p) {
                const auto& cells = steps->primes[p].minterms;
                const bool has = std::binary_search(cells.begin(), cells.end(), m);
                ASSERT_EQ(has, static_cast<int>(p) == e.prime) << where << " essential cell " << m;
            }
        }
    }
    std::vector<std::string> told;
    for (const ChoiceStep& c : steps->choices)
        told.push_back(c.term.text);
    for (const EssentialStep& e : steps->essentials)
        if (std::find(steps->unusedEssentials.begin(), steps->unusedEssentials.end(), e.prime) ==
            steps->unusedEssentials.end())
            told.push_back(steps->primes[static_cast<std::size_t>(e.prime)].text);
    std::vector<std::string> result;
    for (const StepsTerm& term : steps->result)
        result.push_back(term.text);
    ASSERT_EQ(sortedTexts(told), sortedTexts(result)) << where;
    ASSERT_EQ(steps->resultText, shownResult(random, method, exact)) << where;
    if (exact) {
        ASSERT_TRUE(steps->unusedEssentials.empty()) << where;
    }
    if (steps->minimum == MinimumKind::Yes) {
        ASSERT_EQ(steps->minimumTerms, static_cast<int>(result.size())) << where;
    }
    if (steps->minimum == MinimumKind::No) {
        ASSERT_LT(steps->minimumTerms, static_cast<int>(result.size())) << where;
    }
}

TEST(StepsProperty, SeededRandomMapsOfTwoToEightVariables) {
    std::mt19937 random(20261213);
    for (int n = 2; n <= 8; ++n) {
        const int count = n <= 6 ? 400 : 150;
        for (int i = 0; i < count; ++i) {
            RandomMap map{n, {}, {}};
            const int ones = static_cast<int>(random() % 100);
            const int dontCares = static_cast<int>(random() % 30);
            for (int m = 0; m < 1 << n; ++m) {
                const int roll = static_cast<int>(random() % 100);
                if (roll < ones)
                    map.targets.Insert(m);
                else if (roll < ones + dontCares)
                    map.dontCares.Insert(m);
            }
            const TGlueMethod method = i % 2 ? gmKNF : gmDNF;
            checkSteps(map, method, i % 3 == 0,
                       "n=" + std::to_string(n) + " map " + std::to_string(i));
            if (HasFatalFailure())
                return;
        }
    }
}

} // namespace
