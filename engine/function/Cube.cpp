// The cube type: the cube spanning a minterm set, literals, minterms and the result order.
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

bool resultOrder(const Cube& a, const Cube& b) {
    const int freeA = std::popcount(a.mask);
    const int freeB = std::popcount(b.mask);
    if (freeA != freeB)
        return freeA > freeB;
    if (a.value != b.value)
        return a.value < b.value;
    return a.mask < b.mask;
}
