// An independent, deliberately plain exact minimizer that the exact minimizer is checked against.
//
// It shares nothing with engine/ExactMinimizer.cpp or engine/CoverSearch.cpp: implicants are
// found by testing every cube minterm by minterm, and the fewest terms come from an
// iterative-deepening search over the primes without reductions or Lagrangian bounds.
#pragma once

#include <bit>
#include <cstdint>
#include <set>
#include <unordered_set>
#include <vector>

namespace reference {

/// A function over `n` variables: 'T' target, 'D' don't care, '.' neither, per minterm.
struct Function {
    int n = 4;
    std::vector<char> values;
};

/// A cube over n bits: minterms m with (m & ~mask) == value.
struct Cube {
    int value = 0;
    int mask = 0;
    bool operator<(const Cube& other) const {
        return value != other.value ? value < other.value : mask < other.mask;
    }
};

inline bool Covers(const Cube& cube, int m) {
    return (m & ~cube.mask) == cube.value;
}

inline bool IsImplicant(const Function& f, const Cube& cube) {
    for (int m = 0; m < (1 << f.n); ++m)
        if (Covers(cube, m) && f.values[static_cast<std::size_t>(m)] == '.')
            return false;
    return true;
}

/// Every prime implicant that covers at least one target.
inline std::vector<Cube> Primes(const Function& f) {
    std::vector<Cube> primes;
    const int full = (1 << f.n) - 1;
    for (int mask = 0; mask <= full; ++mask) {
        for (int value = 0; value <= full; ++value) {
            if (value & mask)
                continue;
            const Cube cube{value, mask};
            if (!IsImplicant(f, cube))
                continue;
            bool prime = true;
            for (int bit = 1; bit <= full && prime; bit <<= 1)
                if (!(mask & bit))
                    prime = !IsImplicant(f, Cube{value & ~bit, mask | bit});
            bool useful = false;
            for (int m = 0; m <= full && !useful; ++m)
                useful = Covers(cube, m) && f.values[static_cast<std::size_t>(m)] == 'T';
            if (prime && useful)
                primes.push_back(cube);
        }
    }
    return primes;
}

using Rows = std::vector<bool>;

class CoverFinder {
public:
    explicit CoverFinder(const Function& f) : m_f(f), m_primes(Primes(f)) {}

    /// The fewest primes that cover every target.
    int MinimumTerms() {
        Rows left(static_cast<std::size_t>(1 << m_f.n), false);
        for (std::size_t m = 0; m < left.size(); ++m)
            left[m] = m_f.values[m] == 'T';
        for (int k = 0;; ++k)
            if (Fits(left, k))
                return k;
    }

    [[nodiscard]] const std::vector<Cube>& PrimeList() const { return m_primes; }

    /// Number of covers with exactly `terms` primes and `literals` literals, when no cover is
    /// cheaper: each cover is found once, as the first of the rarest minterm's primes it
    /// holds is taken and the primes tried before it are excluded.
    std::uint64_t CountCovers(int terms, int literals) {
        Rows left(static_cast<std::size_t>(1 << m_f.n), false);
        for (std::size_t m = 0; m < left.size(); ++m)
            left[m] = m_f.values[m] == 'T';
        std::vector<bool> excluded(m_primes.size(), false);
        return Count(left, excluded, terms, literals);
    }

private:
    std::uint64_t Count(const Rows& left, std::vector<bool> excluded, int terms, int literals) {
        int first = -1;
        for (std::size_t m = 0; m < left.size() && first < 0; ++m)
            if (left[m])
                first = static_cast<int>(m);
        if (first < 0)
            return terms == 0 && literals == 0 ? 1 : 0;
        if (terms == 0 || literals < 0)
            return 0;
        std::uint64_t count = 0;
        for (std::size_t p = 0; p < m_primes.size(); ++p) {
            if (excluded[p] || !Covers(m_primes[p], first))
                continue;
            Rows next = left;
            for (std::size_t m = 0; m < next.size(); ++m)
                if (Covers(m_primes[p], static_cast<int>(m)))
                    next[m] = false;
            const int cost = m_f.n - std::popcount(static_cast<unsigned>(m_primes[p].mask));
            count += Count(next, excluded, terms - 1, literals - cost);
            excluded[p] = true;
        }
        return count;
    }

    /// True when the rows left can be covered by `k` primes.
    bool Fits(const Rows& left, int k) {
        int first = -1;
        int remaining = 0;
        for (std::size_t m = 0; m < left.size(); ++m)
            if (left[m]) {
                first = first < 0 ? static_cast<int>(m) : first;
                ++remaining;
            }
        if (first < 0)
            return true;
        if (k == 0)
            return false;
        const auto key = std::pair{left, k};
        if (m_failed.count(key))
            return false;
        int widest = 0;
        for (const Cube& p : m_primes)
            widest = std::max(widest, 1 << std::popcount(static_cast<unsigned>(p.mask)));
        if (remaining > widest * k)
            return Fail(key);
        for (const Cube& p : m_primes) {
            if (!Covers(p, first))
                continue;
            Rows next = left;
            for (std::size_t m = 0; m < next.size(); ++m)
                if (Covers(p, static_cast<int>(m)))
                    next[m] = false;
            if (Fits(next, k - 1))
                return true;
        }
        return Fail(key);
    }

    bool Fail(const std::pair<Rows, int>& key) {
        m_failed.insert(key);
        return false;
    }

    Function m_f;
    std::vector<Cube> m_primes;
    std::set<std::pair<Rows, int>> m_failed;
};

} // namespace reference
