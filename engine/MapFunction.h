// The map and the function value: the function a map holds, and one output written into a map.
#pragma once

#include "engine/CarnoGrid.h"
#include "engine/function/BooleanFunction.h"

#include <cstddef>

/// The function the map holds, as one output with the map's variable names as input names.
/// A cell that is exactly "1", "0" or "*" keeps its value; any other (empty or invalid) holds
/// the non-target value of `method`, as Analyze fills empty cells: neither target nor "*".
[[nodiscard]] BooleanFunction mapFunction(const TCarnoGrid& grid, TGlueMethod method);

/// Writes output `output` of the function into the map: the variable count, every cell, and
/// the input names as variable names when the function has them.
void writeOutput(TCarnoGrid& grid, const BooleanFunction& function, std::size_t output);
