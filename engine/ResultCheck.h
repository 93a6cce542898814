// Checks a result against the map it was made for: the command line's --verify and the tests.
#pragma once

#include "engine/CarnoGrid.h"

#include <string>
#include <vector>

/// Empty when `terms` are a correct result for the map as it is now under its GlueMethod:
/// each term holds exactly the cells of one sub-cube (so its text describes its cells), no
/// term holds a cell that is neither a target nor "*", and every target cell lies in a term.
/// Otherwise a description of the first fault found.
[[nodiscard]] std::string resultFault(const TCarnoGrid& grid, const std::vector<TTermItem>& terms);
