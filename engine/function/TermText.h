// Terms written as the result line writes them: "|A*B" for a product, "A+|B" for a sum.
#pragma once

#include "engine/function/Cube.h"
#include "engine/function/GlueMethod.h"

#include <string>
#include <vector>

/// The text of a term in the notation of the formula language, with `names` for variables
/// 1..n (n = names.size()): the product of a sum of products, the sum clause of a product of
/// sums. Empty for a cube without literals.
[[nodiscard]] std::string termText(const Cube& cube, const std::vector<std::string>& names,
                                   TGlueMethod method);

/// What joins the terms of a result: "+" for a sum of products, "*" for a product of sums.
[[nodiscard]] const char* termSeparator(TGlueMethod method);

/// The texts of the cubes joined by the term separator: the result line.
[[nodiscard]] std::string joinTermTexts(const std::vector<Cube>& cubes,
                                        const std::vector<std::string>& names, TGlueMethod method);

/// The root-line caption of a result: its joined texts, or the constant ("1"/"0") when they
/// are empty because a term spans the whole map; empty without a term.
[[nodiscard]] std::string resultCaption(const std::vector<Cube>& cubes,
                                        const std::vector<std::string>& names, TGlueMethod method);
