// The minimized outputs of a multi-output function written as one PLA text.
#pragma once

#include "engine/MultiOutput.h"
#include "engine/function/BooleanFunction.h"

#include <string>
#include <vector>

/// The results of every output (minimizeOutputs) as one PLA text that reads back as the result
/// functions: .i, .o, .ilb and .ob as the function has them; a sum of products as .type f,
/// each cube marked "1" for the outputs it is a product term of and "0" for the others; a
/// product of sums as .type r, each cube marked "0" for the outputs one of whose sum clauses
/// is false on it and "~" for the others. A cube shared by several outputs is written once,
/// in the order of first use; .p counts the cubes written. Comment lines give each output's
/// result in the plain notation, with the names a map takes from the file (plaOutput).
[[nodiscard]] std::string outputsPlaText(const BooleanFunction& function, TGlueMethod method,
                                         const std::vector<OutputResult>& results);
