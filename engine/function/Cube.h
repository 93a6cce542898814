// A term as a sub-cube of the minterm numbers: the one cube type of the engine and its writers.
#pragma once

#include "engine/function/CellSet.h"

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

/// A sub-cube of the minterm numbers: the minterms m with (m & ~mask) == value. A term of a
/// result is one: a product true on it (sum of products) or a sum clause false on it (product
/// of sums).
struct Cube {
    std::uint8_t value = 0; ///< the fixed variables' bits; no bit of `mask` is set here
    std::uint8_t mask = 0;  ///< one bit per free variable (bit n - i for variable i)

    /// The smallest cube holding every minterm of the set (minterm numbers of `variables`
    /// variables); the whole space for an empty set.
    [[nodiscard]] static Cube Spanning(const CellSet& minterms, int variables);
    /// The cube whose minterms are exactly the set's; nothing when they form no sub-cube.
    [[nodiscard]] static std::optional<Cube> Of(const CellSet& minterms, int variables);

    [[nodiscard]] bool Contains(int minterm) const { return (minterm & ~mask & 0xFF) == value; }
    /// Number of literals the term has over `variables` variables.
    [[nodiscard]] int Literals(int variables) const;
    /// The minterms of the cube, as a set indexed by minterm number.
    [[nodiscard]] CellSet Minterms() const;
    /// The cube over `variables` variables as PLA files write it: per variable '1' or '0' when
    /// the cube fixes it, '-' when it spans both values ("01-" is |A*B of three variables).
    [[nodiscard]] std::string Text(int variables) const;

    auto operator<=>(const Cube&) const = default;
};

/// The order of the terms in a result: larger cubes first, then by lowest minterm number,
/// then by the free variables.
[[nodiscard]] bool resultOrder(const Cube& a, const Cube& b);
