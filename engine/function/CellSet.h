// A fixed set of up to 256 map cells, used beside a term's ordered cell list.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

/// Set of map cells, one bit per (column, row) position of the largest map (16 x 16).
/// Lets the minimizer compare, intersect and hash terms in a few word operations.
class CellSet {
public:
    /// Bit index of the data cell in column `col`, row `row` (both counted from 1, up to 16).
    [[nodiscard]] static constexpr int Index(int col, int row) {
        return (col - 1) * 16 + (row - 1);
    }

    void Insert(int index) { m_words[index >> 6] |= std::uint64_t{1} << (index & 63); }
    [[nodiscard]] bool Contains(int index) const {
        return (m_words[index >> 6] >> (index & 63)) & 1U;
    }
    [[nodiscard]] int Count() const {
        int n = 0;
        for (auto w : m_words)
            n += std::popcount(w);
        return n;
    }
    [[nodiscard]] bool Empty() const {
        return (m_words[0] | m_words[1] | m_words[2] | m_words[3]) == 0;
    }
    /// True when every cell of this set is also in `other`.
    [[nodiscard]] bool IsSubsetOf(const CellSet& other) const {
        for (std::size_t i = 0; i < 4; ++i)
            if (m_words[i] & ~other.m_words[i])
                return false;
        return true;
    }
    /// True when this set and `other` share a cell.
    [[nodiscard]] bool Intersects(const CellSet& other) const {
        for (std::size_t i = 0; i < 4; ++i)
            if (m_words[i] & other.m_words[i])
                return true;
        return false;
    }
    /// True when this set shares a cell with `in` that is not in `notIn`.
    [[nodiscard]] bool IntersectsOutside(const CellSet& in, const CellSet& notIn) const {
        for (std::size_t i = 0; i < 4; ++i)
            if (m_words[i] & in.m_words[i] & ~notIn.m_words[i])
                return true;
        return false;
    }
    CellSet& operator|=(const CellSet& other) {
        for (std::size_t i = 0; i < 4; ++i)
            m_words[i] |= other.m_words[i];
        return *this;
    }
    CellSet& operator&=(const CellSet& other) {
        for (std::size_t i = 0; i < 4; ++i)
            m_words[i] &= other.m_words[i];
        return *this;
    }
    /// Removes every cell of `other` from this set.
    CellSet& Remove(const CellSet& other) {
        for (std::size_t i = 0; i < 4; ++i)
            m_words[i] &= ~other.m_words[i];
        return *this;
    }
    [[nodiscard]] CellSet operator&(const CellSet& other) const {
        CellSet r = *this;
        r &= other;
        return r;
    }
    [[nodiscard]] CellSet operator|(const CellSet& other) const {
        CellSet r = *this;
        r |= other;
        return r;
    }
    [[nodiscard]] bool operator==(const CellSet& other) const = default;

    /// For a set indexed by minterm number: the set with bit `bit` (0..7) of every member
    /// flipped, i.e. the mirror image across one variable.
    [[nodiscard]] CellSet Flipped(int bit) const {
        CellSet r;
        if (bit >= 6) {
            const std::size_t step = std::size_t{1} << (bit - 6);
            for (std::size_t i = 0; i < 4; ++i)
                r.m_words[i] = m_words[i ^ step];
            return r;
        }
        static constexpr std::uint64_t kLow[6] = {0x5555555555555555ULL, 0x3333333333333333ULL,
                                                  0x0F0F0F0F0F0F0F0FULL, 0x00FF00FF00FF00FFULL,
                                                  0x0000FFFF0000FFFFULL, 0x00000000FFFFFFFFULL};
        const std::uint64_t low = kLow[bit];
        const int shift = 1 << bit;
        for (std::size_t i = 0; i < 4; ++i)
            r.m_words[i] = ((m_words[i] & low) << shift) | ((m_words[i] >> shift) & low);
        return r;
    }

    [[nodiscard]] std::size_t Hash() const {
        std::uint64_t h = 0x9E3779B97F4A7C15ULL;
        for (auto w : m_words) {
            h ^= w + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
        }
        return static_cast<std::size_t>(h);
    }

    /// Calls `fn(index)` for every cell of the set, in ascending index order.
    template <typename Fn> void ForEach(Fn&& fn) const {
        for (std::size_t i = 0; i < 4; ++i) {
            std::uint64_t w = m_words[i];
            while (w) {
                fn(static_cast<int>(i * 64 + static_cast<std::size_t>(std::countr_zero(w))));
                w &= w - 1;
            }
        }
    }

private:
    std::array<std::uint64_t, 4> m_words{};
};

struct CellSetHash {
    std::size_t operator()(const CellSet& s) const { return s.Hash(); }
};
