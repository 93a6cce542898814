// The analysed result written for other tools: plain, Verilog, VHDL, LaTeX and C expressions.
#pragma once

#include "engine/CarnoGrid.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The languages a result can be written in.
enum class Notation { Plain, Verilog, Vhdl, Latex, C };

/// A result term as a cube over variables 1..n: per variable '1' or '0' when the term fixes
/// it, '-' when the term spans both values. "01-" is the term |A*B of three variables.
using Cube = std::string;

/// The notation of the given name ("plain", "verilog", "vhdl", "latex", "c"); nothing for any
/// other name.
[[nodiscard]] std::optional<Notation> notationNamed(std::string_view name);

/// The cube of one term under the current map; nothing when the term's cells do not form a
/// sub-cube of the current map (the variable count changed after the analysis).
[[nodiscard]] std::optional<Cube> termCube(const TCarnoGrid& grid, const TTermItem& term);

/// The cubes of the last result (ResultTerms), in result order; nothing when the result no
/// longer belongs to the map: a term does not lie on it, or the terms no longer read as the
/// result line (ResultText) because the variable count, the names or GlueMethod changed.
[[nodiscard]] std::optional<std::vector<Cube>> resultCubes(const TCarnoGrid& grid);

/// As resultCubes, but shows "The variables have changed since the last analysis; analyze
/// again." when there are none.
[[nodiscard]] std::optional<std::vector<Cube>> checkedResultCubes(const TCarnoGrid& grid);

/// The whole result in `notation`, read as a sum of products or a product of sums after the
/// map's GlueMethod, with the map's variable names. A term spanning the map gives the constant
/// of the function (SOP 1, POS 0); no term at all gives the other constant (SOP 0, POS 1).
/// Plain is the notation of the result line ("|A*B+A*C"). Verilog and VHDL are assignments
/// to F, the others bare expressions. Nothing, after a message, when the result no longer
/// belongs to the map (see resultCubes).
[[nodiscard]] std::optional<std::string> resultAs(const TCarnoGrid& grid, Notation notation);

/// The expression of the given cubes in `notation`: what resultAs gives for these terms.
[[nodiscard]] std::string cubesAs(const TCarnoGrid& grid, const std::vector<Cube>& cubes,
                                  Notation notation);

/// One term in `notation`, without the assignment around it; the constant for a cube without
/// literals.
[[nodiscard]] std::string termAs(const TCarnoGrid& grid, const Cube& cube, Notation notation);

/// A variable name for LaTeX math mode: special characters escaped, names of more than one
/// character set upright-italic as one word (\mathit{CLK}).
[[nodiscard]] std::string latexName(const std::string& name);
