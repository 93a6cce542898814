// The gluing analysis on one output of a function value: term levels and the chosen cover.
//
// Every target cell is paired with its neighbours on the map (level 2), then equal-sized terms
// are glued into terms of twice the size, level by level (BuildPairs, BuildLevels). Terms are
// chosen from the end of each level, largest first (ChooseCover); terms contained in others
// and terms made redundant by the others are dropped (RemoveContainedTerms,
// RemoveRedundantTerms). Terms and cells are the map's records, on the layout of MapGeometry.
#pragma once

#include "engine/MapTerms.h"
#include "engine/Ports.h"
#include "engine/function/BooleanFunction.h"

#include <cstddef>
#include <vector>

/// What the gluing analysis finds.
struct GluingResult {
    /// Every level in the order built: single cells, pairs, then twice the size each, ending
    /// in an empty level.
    std::vector<TLevelItem> levels;
    /// The chosen terms in result order.
    std::vector<TTermItem> terms;
    /// The target cells the chosen level terms cover, in the order they were first covered.
    std::vector<TCellItem> covered;
    /// Number of target cells.
    int targetCount = 0;
};

/// Glues output `output` of the function: its target cells ("1" for a sum of products, "0"
/// for a product of sums) must be covered, its "*" cells may be; other values are neither.
/// Advances `progress` over the cells and the glued terms, and ends it at its maximum.
[[nodiscard]] GluingResult glueOutput(const BooleanFunction& function, std::size_t output,
                                      TGlueMethod method, IProgressBar* progress = nullptr);
