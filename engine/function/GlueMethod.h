// The kind of result a minimization gives: a sum of products or a product of sums.
#pragma once

#include <cstdint>

/// Kind of result: sum of products (target "1") or product of sums (target "0").
enum TGlueMethod : std::uint8_t { gmDNF = 0, gmKNF = 1 };

/// Text of the cells a result must cover: "1" for a sum of products, "0" for a product of
/// sums. It is also the constant a whole-map result stands for.
[[nodiscard]] inline const char* targetText(TGlueMethod method) {
    return method == gmDNF ? "1" : "0";
}
/// The value that is not the target: what Analyze writes into empty cells.
[[nodiscard]] inline const char* otherText(TGlueMethod method) {
    return method == gmDNF ? "0" : "1";
}
