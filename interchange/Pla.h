// PLA files: functions read from them, the map and a result written as PLA.
//
// Reading understands .i, .o, .ilb, .ob, .p, .type (f, fd, fr, fdr, and also r, dr), .e/.end,
// comments from "#" to the end of a line, and cubes of "0", "1" and "-" inputs followed by
// the outputs. Spaces, tabs and "|" may separate the characters of a cube anywhere. Inputs
// may write "2" for "-"; outputs may write "4" for "1", "3" for "0" and "2" for "-". Every
// output is read; a map takes one of them. The types decide what the output characters mean
// and what the cubes leave unsaid:
//   f    "1" ON-set;                           the rest is "0"
//   fd   "1" ON-set, "-" don't care;           the rest is "0"
//   fr   "1" ON-set, "0" OFF-set;              the rest is don't care
//   fdr  "1" ON-set, "0" OFF-set, "-" don't care; the rest is don't care
//   r    "0" OFF-set;                          the rest is "1"
//   dr   "0" OFF-set, "-" don't care;          the rest is "1"
// Characters without meaning for the type ("0" under f) say nothing, and "~" says nothing
// under every type: it leaves the output to what the type gives the rest, which is not the
// same as "0" under fr and fdr. A minterm named for both the ON-set and the OFF-set of an
// output is refused; one also named as a don't care is a don't care. The count that .p
// announces must match the cubes given. At most 4096 outputs are read.
//
// Writing a map gives .type fd with one line per "1" and "*" minterm in ascending order.
// Writing a result gives its cubes: a sum of products as .type f (every cube one product, the
// ON-set), a product of sums as .type r (every cube the OFF-set of one sum clause, where the
// clause is false), so that both read back as exactly the result's function.
#pragma once

#include "engine/CarnoGrid.h"
#include "engine/function/BooleanFunction.h"
#include "interchange/Notation.h"
#include "support/FileReader.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

/// A single-output function read from a PLA text, not yet put into a map, with what the user
/// should know about the reading.
struct PlaFunction {
    /// One output; the input names, upper-cased, when they are all usable as variable names,
    /// else none.
    BooleanFunction function;
    /// Things the user should know that do not stop the reading (extra outputs, names not used).
    std::vector<std::string> notes;
};

/// Why a PLA text was refused: the line (from 1; 0 for the file as a whole) and the message.
struct PlaError {
    int line = 0;
    std::string message;
};

/// Reads a PLA text completely with every output; no map is touched.
[[nodiscard]] std::variant<BooleanFunction, PlaError> parsePlaOutputs(std::string_view text);

/// Reads a PLA text completely for its first output; a file with more says so in a note.
[[nodiscard]] std::variant<PlaFunction, PlaError> parsePla(std::string_view text);

/// One output of a read file as a single-output function, with the input names when they are
/// usable as variable names (else a note says why not).
[[nodiscard]] PlaFunction plaOutput(const BooleanFunction& function, std::size_t output);

/// The most a PLA file is read of: eight inputs need at most 256 cube lines, so anything this
/// large is not a map's PLA file.
inline constexpr std::size_t kPlaFileLimit = std::size_t{4} << 20;

/// Reads the PLA file at `path` (standard input as "/dev/stdin") within kPlaFileLimit, with
/// every output; on failure the message for the user ("Cannot read file "x": Is a directory",
/// "Invalid PLA file: the file is larger than 4 MB.", "Invalid PLA file, line 7: ...").
[[nodiscard]] std::variant<BooleanFunction, std::string> readPlaFile(const std::string& path);

/// What readPlaFile makes of a read of the file with kPlaFileLimit.
[[nodiscard]] std::variant<BooleanFunction, std::string> plaFromRead(const FileRead& read);

/// Why `names` cannot be variable names (empty, longer than 10 characters, holding "+", "*",
/// "|", "#", white space, a control character or text that is not UTF-8, only digits, or
/// named twice); empty when they can.
[[nodiscard]] std::string variableNamesProblem(const std::vector<std::string>& names);

/// Puts a read function into the map as a load does: asks before dropping a shown result,
/// writes its output into the map (writeOutput: the variable count, every cell, the names when
/// the file had usable ones) and marks the map as loaded; then shows the notes.
void applyPla(TCarnoGrid& grid, const PlaFunction& function);

/// Reads the PLA file with every output; a file that cannot be read or is refused gets its
/// message (see readPlaFile), and then there is nothing.
[[nodiscard]] std::optional<BooleanFunction> loadPlaOutputs(const TCarnoGrid& grid,
                                                            const std::string& path);

/// Reads the PLA file into the map: the output `output` names (see outputNamed), or the first
/// one, with a note when there are more, when `output` is empty. A file that cannot be read or
/// is refused, or that has no such output, gets a message ("Invalid PLA file, line 7: ...")
/// and leaves the map as it was; then false.
bool loadPla(TCarnoGrid& grid, const std::string& path, const std::string& output = {});

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

/// The line that names the inputs or outputs ("KEYWORD name name ...\n"); empty for no names.
[[nodiscard]] std::string plaNameLine(std::string_view keyword,
                                      const std::vector<std::string>& names);

/// Writes the map as a PLA file. Refuses a map with invalid cell data ("Invalid data in
/// cell.") or an output name that cannot be used, and reports a failed write; false after
/// such a message.
bool saveMapPla(TCarnoGrid& grid, const std::string& path, const std::string& output = {});

/// Writes the last result as a PLA file; false after a message when it does not lie on the
/// current map, the output name cannot be used or the file could not be written.
bool saveResultPla(const TCarnoGrid& grid, const std::string& path, const std::string& output = {});
