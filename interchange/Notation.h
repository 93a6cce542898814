// The analysed result written for other tools: plain, Verilog, VHDL, LaTeX and C expressions.
#pragma once

#include "engine/CarnoGrid.h"
#include "engine/function/Cube.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The languages a result can be written in. VerilogModule and VhdlEntity wrap the Verilog
/// and VHDL assignments in a module or an entity that compiles as it stands.
enum class Notation { Plain, Verilog, Vhdl, Latex, C, VerilogModule, VhdlEntity };

/// The notation of the given name ("plain", "verilog", "vhdl", "latex", "c", "verilog-module",
/// "vhdl-entity"); nothing for any other name.
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
/// to the output `output` (empty: freeOutputName), their module and entity forms whole design
/// units, the others bare expressions. Names are written as identifiers of the notation
/// (identifierIn); one that has to be escaped gets a note. Nothing, after a message, when the
/// result no longer belongs to the map (see resultCubes), a name cannot be written in the
/// notation, or `output` cannot name the output (outputNameProblem).
[[nodiscard]] std::optional<std::string> resultAs(const TCarnoGrid& grid, Notation notation,
                                                  const std::string& output = {});

/// The expression of the given cubes in `notation`: what resultAs gives for these terms. Every
/// variable name must be writable in the notation (see resultAs).
[[nodiscard]] std::string cubesAs(const TCarnoGrid& grid, const std::vector<Cube>& cubes,
                                  Notation notation, const std::string& output = {});

/// The bare expression of the given cubes in `notation` (no assignment), read as a sum of
/// products or a product of sums after `method`, with `names` for variables 1..n: what
/// cubesAs writes for a map with these names.
[[nodiscard]] std::string cubesExpression(const std::vector<std::string>& names, TGlueMethod method,
                                          const std::vector<Cube>& cubes, Notation notation);

/// One term in `notation`, without the assignment around it; the constant for a cube without
/// literals.
[[nodiscard]] std::string termAs(const TCarnoGrid& grid, const Cube& cube, Notation notation);

/// A variable name for LaTeX math mode: special characters escaped, names of more than one
/// character set upright-italic as one word (\mathit{CLK}).
[[nodiscard]] std::string latexName(const std::string& name);

/// How `name` is written in `notation`: itself when it is an identifier there that is no
/// reserved word; otherwise, in Verilog and VHDL, an escaped identifier ("\1 ", "\1\");
/// nothing when the notation cannot hold it (C; characters outside printable ASCII; in
/// Verilog a backtick, which starts a compiler directive even inside an escaped identifier).
[[nodiscard]] std::optional<std::string> identifierIn(Notation notation, const std::string& name);

/// The output's name: "F", unless a variable in use is named so (in any letter case); then
/// "Y", then "F1", "F2" and so on.
[[nodiscard]] std::string freeOutputName(const TCarnoGrid& grid);

/// Why `output` cannot name the output of `notation`: it is no plain identifier there, or a
/// variable in use has that name (in any letter case). Nothing when it can.
[[nodiscard]] std::optional<std::string>
outputNameProblem(const TCarnoGrid& grid, Notation notation, const std::string& output);
