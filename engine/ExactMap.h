// The exact minimizer on the map: the function the map holds, and covers as the map's result terms.
#pragma once

#include "engine/CarnoGrid.h"
#include "engine/exact/ExactMinimizer.h"

#include <string>
#include <vector>

/// Minimizes the function the map holds under its GlueMethod; empty cells count as
/// non-target, as Analyze fills them.
[[nodiscard]] ExactResult minimizeExact(const TCarnoGrid& grid, const ExactOptions& options = {});

/// The cover as result terms of the map: cells in ascending minterm order, each with the
/// value code its text has now.
[[nodiscard]] std::vector<TTermItem> termsOfCover(const TCarnoGrid& grid,
                                                  const std::vector<Cube>& cover);

/// The root-line caption the cover would have in the result tree ("1"/"0" for a whole-map
/// term, empty for no term).
[[nodiscard]] std::string coverCaption(const TCarnoGrid& grid, const std::vector<Cube>& cover);
