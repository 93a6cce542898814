// The cube type: spanning and exact cubes of minterm sets, literals, minterms, text and order.
#include "engine/function/Cube.h"

#include <bit>

Cube Cube::Spanning(const CellSet& minterms, int variables) {
    unsigned common = (1U << variables) - 1;
    unsigned any = 0;
    minterms.ForEach([&](int m) {
        common &= static_cast<unsigned>(m);
        any |= static_cast<unsigned>(m);
    });
    const unsigned free = common ^ any;
    return {static_cast<std::uint8_t>(common & ~free), static_cast<std::uint8_t>(free)};
}

std::optional<Cube> Cube::Of(const CellSet& minterms, int variables) {
    const Cube cube = Spanning(minterms, variables);
    // Minterms that agree on the fixed variables fill the cube exactly when there are as many
    // as the cube has points.
    if (minterms.Empty() || minterms.Count() != 1 << std::popcount(cube.mask))
        return std::nullopt;
    return cube;
}

int Cube::Literals(int variables) const {
    return variables - std::popcount(mask);
}

CellSet Cube::Minterms() const {
    CellSet set;
    for (int free = mask;; free = (free - 1) & mask) {
        set.Insert(value | free);
        if (free == 0)
            break;
    }
    return set;
}

std::string Cube::Text(int variables) const {
    std::string text;
    for (int i = variables - 1; i >= 0; --i) {
        const unsigned bit = 1U << i;
        text += (mask & bit) ? '-' : (value & bit) ? '1' : '0';
    }
    return text;
}

bool resultOrder(const Cube& a, const Cube& b) {
    const int freeA = std::popcount(a.mask);
    const int freeB = std::popcount(b.mask);
    if (freeA != freeB)
        return freeA > freeB;
    if (a.value != b.value)
        return a.value < b.value;
    return a.mask < b.mask;
}
