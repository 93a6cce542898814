// PLA files: a single-output function read into the map, the map and a result written as PLA.
//
// Reading understands .i, .o, .ilb, .ob, .p, .type (f, fd, fr, fdr, and also r, dr), .e/.end,
// comments from "#" to the end of a line, and cubes of "0", "1" and "-" inputs followed by
// the outputs. Only the first output is used; a file with more says so. The types decide
// what the output characters mean and what the cubes leave unsaid:
//   f    "1" ON-set;                           the rest is "0"
//   fd   "1" ON-set, "-" don't care;           the rest is "0"
//   fr   "1" ON-set, "0" OFF-set;              the rest is don't care
//   fdr  "1" ON-set, "0" OFF-set, "-" don't care; the rest is don't care
//   r    "0" OFF-set;                          the rest is "1"
//   dr   "0" OFF-set, "-" don't care;          the rest is "1"
// Characters without meaning for the type ("0" under f, "~" anywhere) say nothing. A minterm
// named for both the ON-set and the OFF-set is refused; one also named as a don't care is a
// don't care. The count that .p announces must match the cubes given.
//
// Writing a map gives .type fd with one line per "1" and "*" minterm in ascending order.
// Writing a result gives its cubes: a sum of products as .type f (every cube one product, the
// ON-set), a product of sums as .type r (every cube the OFF-set of one sum clause, where the
// clause is false), so that both read back as exactly the result's function.
#pragma once

#include "engine/CarnoGrid.h"
#include "reports/FileReader.h"
#include "reports/Notation.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

/// A single-output function read from a PLA text, not yet put into a map.
struct PlaFunction {
    int inputs = 0;
    /// "1", "0" or "*" per minterm number, variable 1 most significant.
    std::vector<char> values;
    /// The input names, upper-cased, when they are all usable as variable names; else empty.
    std::vector<std::string> names;
    /// Things the user should know that do not stop the reading (extra outputs, names not used).
    std::vector<std::string> notes;
};

/// Why a PLA text was refused: the line (from 1; 0 for the file as a whole) and the message.
struct PlaError {
    int line = 0;
    std::string message;
};

/// Reads a PLA text completely; the map is not touched.
[[nodiscard]] std::variant<PlaFunction, PlaError> parsePla(std::string_view text);

/// Why `names` cannot be variable names (empty, longer than 10 characters, holding "+", "*",
/// "|", "#", white space, a control character or text that is not UTF-8, or named twice);
/// empty when they can.
[[nodiscard]] std::string variableNamesProblem(const std::vector<std::string>& names);

/// Puts a read function into the map as a load does: asks before dropping a shown result,
/// sets the variable count, every cell, the names (when the file had usable ones) and marks
/// the map as loaded; then shows the notes.
void applyPla(TCarnoGrid& grid, const PlaFunction& function);

/// The most a PLA file is read of: eight inputs need at most 256 cube lines, so anything this
/// large is not a map's PLA file.
inline constexpr std::size_t kPlaFileLimit = std::size_t{4} << 20;

/// Reads the PLA file into the map ("/dev/stdin" reads standard input). A file that cannot
/// be read, is larger than kPlaFileLimit or is refused gets a message ("Invalid PLA file,
/// line 7: ...") and leaves the map as it was; then false.
bool loadPla(TCarnoGrid& grid, const std::string& path);

/// What loadPla does with the outcome of reading the file with kPlaFileLimit.
bool applyPlaRead(TCarnoGrid& grid, const FileRead& read);

/// The map as a PLA text (.type fd). Cells other than "1" and "*" are left out (they are 0).
/// The output is named `output`, or freeOutputName when it is empty.
[[nodiscard]] std::string mapPlaText(const TCarnoGrid& grid, const std::string& output = {});

/// The given result cubes (resultCubes) as a PLA text, read as a sum of products or a product
/// of sums after the map's GlueMethod, with the whole result in a comment line; the output
/// named as in mapPlaText.
[[nodiscard]] std::string resultPlaText(const TCarnoGrid& grid, const std::vector<Cube>& cubes,
                                        const std::string& output = {});

/// Why `output` cannot name a PLA file's output (.ob): it is no usable name or an input's
/// name. Nothing when it can, or when it is empty (a free name is chosen then).
[[nodiscard]] std::optional<std::string> plaOutputNameProblem(const TCarnoGrid& grid,
                                                              const std::string& output);

/// Writes the map as a PLA file. Refuses a map with invalid cell data ("Invalid data in
/// cell.") or an output name that cannot be used, and reports a failed write; false after
/// such a message.
bool saveMapPla(TCarnoGrid& grid, const std::string& path, const std::string& output = {});

/// Writes the last result as a PLA file; false after a message when it does not lie on the
/// current map, the output name cannot be used or the file could not be written.
bool saveResultPla(const TCarnoGrid& grid, const std::string& path, const std::string& output = {});
