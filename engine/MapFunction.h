// The map and the function value: the function a map holds.
#pragma once

#include "engine/CarnoGrid.h"
#include "engine/function/BooleanFunction.h"

/// The function the map holds, as one output with the map's variable names as input names.
/// A cell that is exactly "1", "0" or "*" keeps its value; any other (empty or invalid) holds
/// the non-target value of `method`, as Analyze fills empty cells: neither target nor "*".
[[nodiscard]] BooleanFunction mapFunction(const TCarnoGrid& grid, TGlueMethod method);
