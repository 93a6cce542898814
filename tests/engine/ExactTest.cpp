// The exact minimizer: valid covers, never more terms than the gluing analysis, the true
// minimum against an independent reference, all minimum covers listed, the grid's shapes.
#include "ExactReference.h"
#include "TestSupport.h"
#include "engine/ExactMap.h"
#include "engine/ResultCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

namespace {

/// A map given per minterm: '1', '0' or '*'.
using Values = std::vector<char>;

Values RandomValues(std::mt19937& random, int n, int onePercent, int dcPercent) {
    Values values;
    for (int m = 0; m < 1 << n; ++m) {
        const int roll = static_cast<int>(random() % 100);
        values.push_back(roll < onePercent ? '1' : roll < onePercent + dcPercent ? '*' : '0');
    }
    return values;
}

void Load(TestMap& map, const Values& values) {
    for (std::size_t m = 0; m < values.size(); ++m)
        map.Set({static_cast<int>(m)}, std::string(1, values[m]));
}

ExactFunction FunctionOf(int n, const Values& values, TGlueMethod method) {
    const char target = method == gmDNF ? '1' : '0';
    ExactFunction f;
    f.variables = n;
    for (std::size_t m = 0; m < values.size(); ++m) {
        if (values[m] == target)
            f.targets.Insert(static_cast<int>(m));
        else if (values[m] == '*')
            f.dontCares.Insert(static_cast<int>(m));
    }
    return f;
}

reference::Function ReferenceOf(const ExactFunction& f) {
    reference::Function r{f.variables, {}};
    for (int m = 0; m < 1 << f.variables; ++m)
        r.values.push_back(f.targets.Contains(m) ? 'T' : f.dontCares.Contains(m) ? 'D' : '.');
    return r;
}

/// Empty when the cover covers every target and nothing that is neither target nor don't
/// care; otherwise what is wrong.
std::string CoverFault(const ExactFunction& f, const std::vector<Cube>& cover) {
    CellSet covered;
    for (const Cube& cube : cover) {
        if ((cube.value & cube.mask) != 0)
            return "cube with a fixed bit that is also free";
        const CellSet cells = cube.Minterms();
        if (!cells.IsSubsetOf(f.targets | f.dontCares))
            return "a term covers a cell outside the function";
        covered |= cells;
    }
    if (!f.targets.IsSubsetOf(covered))
        return "a target is not covered";
    return {};
}

/// Options with room for slow builds (sanitizers, no optimization): the one-second budget is
/// for the window, and these tests want proven results.
ExactOptions Patient(bool enumerate = false) {
    ExactOptions options;
    options.enumerate = enumerate;
    options.budget = std::chrono::minutes(1);
    return options;
}

int LiteralsOf(const std::vector<Cube>& cover, int n) {
    int literals = 0;
    for (const Cube& cube : cover)
        literals += cube.Literals(n);
    return literals;
}

/// Term count of the gluing analysis on the same map.
int DefinitionTerms(int n, const Values& values, TGlueMethod method) {
    TestMap map(n);
    Load(map, values);
    map.Analyze(method);
    return static_cast<int>(map.grid.ResultTerms().size());
}

/// The checks every exact result must pass; `where` names the map in failures.
void CheckExact(int n, const Values& values, TGlueMethod method, const std::string& where) {
    const ExactFunction f = FunctionOf(n, values, method);
    const ExactResult result = minimizeExact(f, Patient());
    ASSERT_TRUE(result.proven) << where;
    ASSERT_EQ(CoverFault(f, result.cover), "") << where;
    ASSERT_EQ(result.terms, static_cast<int>(result.cover.size())) << where;
    ASSERT_EQ(result.literals, LiteralsOf(result.cover, n)) << where;
    ASSERT_LE(result.terms, DefinitionTerms(n, values, method)) << where;
}

TEST(Exact, AcceptanceMaps) {
    TestMap full(8);
    full.FillAll("1");
    full.grid.GlueMethod = gmDNF;
    full.grid.TestExact();
    EXPECT_EQ(full.tree.lines, (std::vector<std::string>{"1", "  1"}));
    EXPECT_EQ(full.grid.ResultText, "");
    ASSERT_EQ(full.grid.ResultTerms().size(), 1U);
    EXPECT_EQ(full.grid.ResultTerms()[0].CellCount(), 256);

    TestMap zeros(8);
    zeros.FillAll("0");
    zeros.grid.GlueMethod = gmKNF;
    zeros.grid.TestExact();
    EXPECT_EQ(zeros.tree.lines, (std::vector<std::string>{"0", "  0"}));

    TestMap four(4);
    four.Set({0, 4, 5, 6, 7, 11, 14}, "1");
    four.Set({3, 8, 10, 13}, "*");
    four.Analyze();
    EXPECT_EQ(four.grid.ResultTerms().size(), 6U);
    four.tree.Clear();
    four.grid.TestExact();
    EXPECT_EQ(four.grid.ResultTerms().size(), 4U);
    EXPECT_EQ(four.tree.Count(), 5);
    EXPECT_EQ(four.messages.Texts().back(), "Analyze Complete.");
}

TEST(Exact, ResultUsesTheGridsShapesAndNotation) {
    TestMap map(3);
    map.Set({2, 3, 5, 7}, "1");
    map.Analyze();
    map.tree.Clear();
    map.grid.TestExact();
    EXPECT_EQ(map.grid.ResultText, "|A*B+A*C");
    EXPECT_EQ(map.tree.lines, (std::vector<std::string>{"|A*B+A*C", "  |A*B", "  A*C"}));
    const TTermItem& first = map.grid.ResultTerms()[0];
    ASSERT_EQ(first.CellCount(), 2);
    EXPECT_EQ(first.cells[0].col, map.grid.CellOfMinterm(2).col);
    EXPECT_EQ(first.cells[0].code, vcOne);
    EXPECT_TRUE(
        map.grid.IsCellOfTerm(1, map.grid.CellOfMinterm(7).col, map.grid.CellOfMinterm(7).row));

    TestMap pos(4);
    pos.Set({0, 1, 4, 5, 7}, "0");
    pos.grid.SetVariableName(1, "X");
    pos.Analyze(gmKNF);
    const std::string definition = pos.grid.ResultText;
    pos.tree.Clear();
    pos.grid.TestExact();
    EXPECT_EQ(pos.grid.ResultText, definition);
    EXPECT_EQ(pos.grid.ResultText, "X+C*X+|B+|D");
}

TEST(Exact, ResultCheckFindsEachKindOfFault) {
    TestMap map(3);
    map.Set({2, 3, 5, 7}, "1");
    map.Analyze();
    EXPECT_EQ(resultFault(map.grid, map.grid.ResultTerms()), "");
    // The result survives edits of the map, so the check can fail afterwards.
    map.Set({0}, "1");
    EXPECT_EQ(resultFault(map.grid, map.grid.ResultTerms()),
              "cell 1,1 (minterm 0) holds the target \"1\" but no term covers it");
    map.Set({0}, "*");
    EXPECT_EQ(resultFault(map.grid, map.grid.ResultTerms()), "");
    map.Set({7}, "0");
    EXPECT_EQ(resultFault(map.grid, map.grid.ResultTerms()),
              "cell 3,2 (minterm 7) holds \"0\" but is in a term");
    map.Set({7}, "1");
    std::vector<TTermItem> broken = map.grid.ResultTerms();
    TTermItem diagonal;
    for (int m : {2, 5}) {
        const CellPos cell = map.grid.CellOfMinterm(m);
        diagonal.Append(
            {static_cast<std::uint8_t>(cell.col), static_cast<std::uint8_t>(cell.row), vcOne});
    }
    broken.push_back(diagonal);
    EXPECT_EQ(resultFault(map.grid, broken), "a term's cells do not form a whole block of the map");
    map.grid.GlueMethod = gmKNF;
    EXPECT_NE(resultFault(map.grid, map.grid.ResultTerms()), "");
}

TEST(Exact, EmptyAndInvalidMaps) {
    TestMap none(4);
    none.Set({1, 2}, "*");
    none.Analyze();
    none.tree.Clear();
    none.grid.TestExact();
    EXPECT_TRUE(none.grid.ResultTerms().empty());
    EXPECT_EQ(none.tree.lines, (std::vector<std::string>{""}));

    TestMap bad(4);
    bad.grid.SetCells(2, 2, "x");
    bad.grid.TestExact();
    EXPECT_EQ(bad.messages.Texts(), (std::vector<std::string>{"Invalid data in cell."}));
    EXPECT_EQ(bad.tree.Count(), 0);
}

TEST(Exact, SetResultTermsReplacesTheResultOnly) {
    TestMap map(3);
    map.Set({2, 3, 5, 7}, "1");
    map.Analyze();
    const std::size_t levels = map.grid.TermLevels().size();
    ExactOptions options;
    options.enumerate = true;
    const ExactResult result = minimizeExact(map.grid, options);
    map.grid.SetResultTerms(termsOfCover(map.grid, {result.cover.back()}));
    EXPECT_EQ(map.grid.ResultText, "A*C");
    EXPECT_EQ(map.grid.TermLevels().size(), levels);
    EXPECT_EQ(coverCaption(map.grid, result.cover), "|A*B+A*C");
    EXPECT_EQ(coverCaption(map.grid, {}), "");
}

TEST(Exact, EveryMapOfTwoAndThreeVariablesIsMinimal) {
    for (int n : {2, 3}) {
        const int cells = 1 << n;
        int maps = 1;
        for (int i = 0; i < cells; ++i)
            maps *= 3;
        for (int code = 0; code < maps; ++code) {
            Values values;
            for (int m = 0, rest = code; m < cells; ++m, rest /= 3)
                values.push_back("10*"[rest % 3]);
            for (TGlueMethod method : {gmDNF, gmKNF}) {
                const std::string where = "n=" + std::to_string(n) + " map " +
                                          std::to_string(code) + " method " +
                                          std::to_string(method);
                CheckExact(n, values, method, where);
                const ExactFunction f = FunctionOf(n, values, method);
                reference::CoverFinder finder(ReferenceOf(f));
                ASSERT_EQ(minimizeExact(f).terms, finder.MinimumTerms()) << where;
            }
        }
    }
}

TEST(Exact, EveryFourVariableMapWithoutDontCaresIsMinimal) {
    for (int code = 0; code < 1 << 16; ++code) {
        ExactFunction f;
        f.variables = 4;
        for (int m = 0; m < 16; ++m)
            if (code >> m & 1)
                f.targets.Insert(m);
        const ExactResult result = minimizeExact(f);
        ASSERT_EQ(CoverFault(f, result.cover), "") << code;
        reference::CoverFinder finder(ReferenceOf(f));
        ASSERT_EQ(result.terms, finder.MinimumTerms()) << code;
    }
}

TEST(Exact, RandomFourVariableMapsWithDontCaresAreMinimal) {
    std::mt19937 random(4044);
    for (int i = 0; i < 4000; ++i) {
        const Values values = RandomValues(random, 4, static_cast<int>(random() % 90),
                                           static_cast<int>(random() % 40));
        const TGlueMethod method = i % 2 ? gmKNF : gmDNF;
        const std::string where = "step " + std::to_string(i);
        CheckExact(4, values, method, where);
        const ExactFunction f = FunctionOf(4, values, method);
        reference::CoverFinder finder(ReferenceOf(f));
        ASSERT_EQ(minimizeExact(f).terms, finder.MinimumTerms()) << where;
    }
}

TEST(Exact, RandomMapsOfFourToEightVariablesBeatOrMatchTheGluing) {
    std::mt19937 random(20261208);
    for (int n = 4; n <= 8; ++n) {
        for (int i = 0; i < 400; ++i) {
            const Values values = RandomValues(random, n, static_cast<int>(random() % 100),
                                               static_cast<int>(random() % 40));
            CheckExact(n, values, i % 2 ? gmKNF : gmDNF,
                       "n=" + std::to_string(n) + " step " + std::to_string(i));
        }
    }
}

/// The exact term counts on 1,000 seeded maps of 5 to 8 variables equal those of the
/// independent reference. Densities keep the reference's plain search short: the larger
/// maps get fewer targets.
TEST(Exact, ThousandSeededMapsMatchTheReferenceMinimizer) {
    std::mt19937 random(5081);
    const int onesUpTo[] = {0, 0, 0, 0, 0, 60, 35, 18, 10};
    int compared = 0;
    for (int i = 0; i < 1000; ++i) {
        const int n = 5 + i % 4;
        const int ones = 3 + static_cast<int>(random() % static_cast<unsigned>(onesUpTo[n]));
        const int dontCares = static_cast<int>(random() % 25);
        const Values values = RandomValues(random, n, ones, dontCares);
        const TGlueMethod method = i % 8 < 4 ? gmDNF : gmKNF;
        // Product of sums makes the 0s the targets: swap so the targets stay sparse.
        Values swapped = values;
        if (method == gmKNF)
            for (char& v : swapped)
                v = v == '1' ? '0' : v == '0' ? '1' : v;
        const ExactFunction f = FunctionOf(n, swapped, method);
        const ExactResult result = minimizeExact(f, Patient());
        ASSERT_EQ(CoverFault(f, result.cover), "") << i;
        reference::CoverFinder finder(ReferenceOf(f));
        ASSERT_EQ(result.terms, finder.MinimumTerms()) << "map " << i << " n=" << n;
        ++compared;
    }
    EXPECT_EQ(compared, 1000);
}

TEST(Exact, PrimeImplicantsMatchTheReference) {
    std::mt19937 random(77);
    for (int i = 0; i < 200; ++i) {
        const int n = 2 + i % 7;
        const ExactFunction f = FunctionOf(n, RandomValues(random, n, 40, 25), gmDNF);
        std::set<std::pair<int, int>> mine;
        for (const Cube& cube : primeImplicants(f))
            mine.insert({cube.value, cube.mask});
        std::set<std::pair<int, int>> theirs;
        for (const reference::Cube& cube : reference::Primes(ReferenceOf(f)))
            theirs.insert({cube.value, cube.mask});
        ASSERT_EQ(mine, theirs) << i;
    }
}

/// Counts the minimum covers (fewest terms, then fewest literals) by trying every set of
/// primes of the minimum size.
std::uint64_t BruteForceCount(const ExactFunction& f, const std::vector<Cube>& primes, int terms,
                              int literals) {
    std::uint64_t count = 0;
    std::vector<int> pick(static_cast<std::size_t>(terms));
    auto visit = [&](auto&& self, std::size_t depth, int from) -> void {
        if (depth == pick.size()) {
            std::vector<Cube> cover;
            for (int p : pick)
                cover.push_back(primes[static_cast<std::size_t>(p)]);
            if (CoverFault(f, cover).empty() && LiteralsOf(cover, f.variables) == literals)
                ++count;
            return;
        }
        for (int p = from; p < static_cast<int>(primes.size()); ++p) {
            pick[depth] = p;
            self(self, depth + 1, p + 1);
        }
    };
    visit(visit, 0, 0);
    return count;
}

void CheckSolutions(const ExactFunction& f, const ExactResult& result, const std::string& where,
                    std::uint64_t limit = 1000) {
    ASSERT_TRUE(result.countComplete) << where;
    ASSERT_FALSE(result.solutions.empty()) << where;
    ASSERT_EQ(result.solutions.front(), result.cover) << where;
    ASSERT_EQ(result.solutions.size(), std::min<std::uint64_t>(result.solutionCount, limit))
        << where;
    std::set<std::vector<std::pair<int, int>>> distinct;
    for (const std::vector<Cube>& cover : result.solutions) {
        ASSERT_EQ(CoverFault(f, cover), "") << where;
        ASSERT_EQ(static_cast<int>(cover.size()), result.terms) << where;
        ASSERT_EQ(LiteralsOf(cover, f.variables), result.literals) << where;
        std::vector<std::pair<int, int>> key;
        for (const Cube& cube : cover)
            key.emplace_back(cube.value, cube.mask);
        std::sort(key.begin(), key.end());
        distinct.insert(key);
    }
    ASSERT_EQ(distinct.size(), result.solutions.size()) << where;
}

TEST(Exact, AllMinimumCoversAreListedDistinctAndValid) {
    ExactOptions options;
    options.enumerate = true;
    std::mt19937 random(31337);
    for (int i = 0; i < 1500; ++i) {
        const int n = 2 + i % 3;
        const ExactFunction f = FunctionOf(n, RandomValues(random, n, 45, 30), gmDNF);
        const ExactResult result = minimizeExact(f, options);
        const std::string where = "step " + std::to_string(i);
        CheckSolutions(f, result, where);
        ASSERT_EQ(result.solutionCount,
                  BruteForceCount(f, result.primes, result.terms, result.literals))
            << where;
    }
}

TEST(Exact, SolutionCountsOfFiveVariableMapsMatchTheReference) {
    ExactOptions options = Patient(true);
    options.solutionLimit = 100000;
    std::mt19937 random(515);
    std::uint64_t largest = 0;
    for (int i = 0; i < 150; ++i) {
        const ExactFunction f = FunctionOf(5, RandomValues(random, 5, 40, 25), gmDNF);
        const ExactResult result = minimizeExact(f, options);
        const std::string where = "step " + std::to_string(i);
        CheckSolutions(f, result, where, options.solutionLimit);
        reference::CoverFinder finder(ReferenceOf(f));
        ASSERT_EQ(result.solutionCount, finder.CountCovers(result.terms, result.literals)) << where;
        largest = std::max(largest, result.solutionCount);
    }
    EXPECT_GT(largest, 10U);
}

TEST(Exact, SolutionsOfLargerMapsAndTheLimit) {
    ExactOptions options = Patient(true);
    std::mt19937 random(99);
    for (int i = 0; i < 60; ++i) {
        const int n = 5 + i % 3;
        const ExactFunction f = FunctionOf(n, RandomValues(random, n, 45, 20), gmDNF);
        const ExactResult result = minimizeExact(f, options);
        CheckSolutions(f, result, "step " + std::to_string(i));
        EXPECT_EQ(minimizeExact(f, Patient()).cover, result.cover);
    }
    // A limit below the count keeps that many covers and still counts them all.
    for (int i = 0;; ++i) {
        ASSERT_LT(i, 1000) << "no map with more than three minimum covers found";
        const ExactFunction f = FunctionOf(6, RandomValues(random, 6, 45, 20), gmDNF);
        const ExactResult all = minimizeExact(f, options);
        if (all.solutionCount <= 3)
            continue;
        ExactOptions limited = options;
        limited.solutionLimit = 3;
        const ExactResult few = minimizeExact(f, limited);
        EXPECT_EQ(few.solutionCount, all.solutionCount);
        EXPECT_EQ(few.solutions.size(), 3U);
        EXPECT_EQ(few.solutions.front(), all.cover);
        break;
    }
}

TEST(Exact, TimeBudgetStopsWithAValidCoverMarkedUnproven) {
    std::mt19937 random(8);
    const ExactFunction f = FunctionOf(8, RandomValues(random, 8, 50, 20), gmDNF);
    ExactOptions options;
    options.budget = std::chrono::milliseconds(0);
    const ExactResult result = minimizeExact(f, options);
    EXPECT_FALSE(result.proven);
    EXPECT_EQ(CoverFault(f, result.cover), "");
}

/// A cube as one character per variable, the first variable first: '1', '0' or '-' (free).
std::string CubeText(const Cube& cube, int n) {
    std::string text;
    for (int bit = n - 1; bit >= 0; --bit)
        text += (cube.mask >> bit & 1) ? '-' : (cube.value >> bit & 1) ? '1' : '0';
    return text;
}

std::string CoverText(const std::vector<Cube>& cover, int n) {
    std::string text;
    for (const Cube& cube : cover)
        text += (text.empty() ? "" : " ") + CubeText(cube, n);
    return text;
}

/// 64-bit FNV-1a, to keep a long list of covers short in the stored results.
std::string HashText(const std::string& text) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
    std::ostringstream out;
    out << std::hex << hash;
    return out.str();
}

/// The stored line of one map's result. `map` is "<name> <sop|pos> <one|all> <cells>", the
/// cells '1', '0' or '*' per minterm; "all" also lists every minimum cover.
std::string StoredResultOf(const std::string& map) {
    std::istringstream in(map);
    std::string name, method, mode, cells;
    in >> name >> method >> mode >> cells;
    const int n = std::countr_zero(cells.size());
    const ExactFunction f =
        FunctionOf(n, Values(cells.begin(), cells.end()), method == "pos" ? gmKNF : gmDNF);
    const ExactResult result = minimizeExact(f, Patient(mode == "all"));
    std::ostringstream out;
    out << map << " | cover " << CoverText(result.cover, n) << " | terms " << result.terms
        << " literals " << result.literals << " proven " << result.proven;
    if (mode == "all") {
        std::string listed;
        for (const std::vector<Cube>& cover : result.solutions)
            listed += CoverText(cover, n) + '\n';
        out << " | count " << result.solutionCount << " complete " << result.countComplete
            << " listed " << result.solutions.size() << " hash " << HashText(listed);
    }
    return out.str();
}

/// The exact minimizer's results on every benchmark map (cover, cost, solution count and
/// listed solutions) stay those stored: faster searches must find the same covers in the same
/// order. With LORVANE_WRITE_EXACT_RESULTS set, the recomputed file is written there.
TEST(Exact, BenchmarkMapsKeepTheirStoredResults) {
    std::ifstream file(LORVANE_EXACT_RESULTS);
    ASSERT_TRUE(file) << LORVANE_EXACT_RESULTS;
    std::string written;
    int maps = 0;
    for (std::string line; std::getline(file, line); ++maps) {
        const std::string map = line.substr(0, line.find(" |"));
        const std::string now = StoredResultOf(map);
        EXPECT_EQ(now, line) << map.substr(0, map.rfind(' '));
        written += now + '\n';
    }
    EXPECT_EQ(maps, 1111);
    if (const char* path = std::getenv("LORVANE_WRITE_EXACT_RESULTS"))
        std::ofstream(path) << written;
}

} // namespace
