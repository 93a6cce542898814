// Fuzz target: PLA texts read, put into a map, written again and read back the same; files of
// a few outputs minimized output by output and read back as the same functions; the input also
// streamed beyond the reader's limit.
#include "FuzzSupport.h"
#include "engine/MultiOutput.h"
#include "interchange/MultiPla.h"
#include "interchange/Pla.h"

#include <algorithm>
#include <cstdint>
#include <functional>

namespace {

void CheckRefusal(const PlaError& error, const std::string& text) {
    Require(!error.message.empty(), "a refusal has a message");
    const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    Require(error.line >= 0 && error.line <= lines, "a refusal names a line of the text");
}

void CheckFunction(const PlaFunction& read) {
    const BooleanFunction& function = read.function;
    const std::vector<char>& values = function.outputs[0];
    const std::vector<std::string>& names = function.inputNames;
    Require(function.inputs >= 2 && function.inputs <= 8, "2 to 8 inputs");
    Require(values.size() == std::size_t{1} << function.inputs, "one value per minterm");
    for (char value : values)
        Require(value == '1' || value == '0' || value == '*', "values are 1, 0 or *");
    Require(names.empty() || (names.size() == static_cast<std::size_t>(function.inputs) &&
                              variableNamesProblem(names).empty()),
            "names are all valid or not taken");
}

/// Puts the function into a map and checks that the map written as PLA reads back the same.
void CheckRoundTrip(const PlaFunction& function) {
    const std::vector<char>& values = function.function.outputs[0];
    const std::vector<std::string>& names = function.function.inputNames;
    SilentMessages messages;
    CountingTree tree;
    TCarnoGrid grid;
    grid.SetMessageBox(&messages);
    grid.SetTreeView(&tree);
    applyPla(grid, function);
    Require(grid.GetVariableCount() == function.function.inputs, "the map takes the input count");
    for (std::size_t m = 0; m < values.size(); ++m) {
        const CellPos cell = grid.CellOfMinterm(static_cast<int>(m));
        Require(grid.Cells(cell.col, cell.row) == std::string(1, values[m]),
                "every cell takes its minterm's value");
    }
    auto again = parsePla(mapPlaText(grid));
    const auto* read = std::get_if<PlaFunction>(&again);
    Require(read != nullptr, "a written map is read back");
    Require(read->function.outputs[0] == values, "a written map reads back the same values");
    if (!names.empty())
        Require(read->function.inputNames == names, "a written map reads back the same names");
}

/// A stream that gives `data` again and again, `total` bytes in all, and counts what it gave.
struct RepeatingStream {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t total;
    std::size_t given = 0;

    std::ptrdiff_t operator()(char* buffer, std::size_t room) {
        const std::size_t count = std::min(room, total - given);
        for (std::size_t i = 0; i < count; ++i)
            buffer[i] = static_cast<char>(data[(given + i) % size]);
        given += count;
        return static_cast<std::ptrdiff_t>(count);
    }
};

/// Reads the input repeated through a stream, to just within or just beyond a limit, and on
/// inputs that begin with 0xFF beyond the PLA file limit: the reader stops one byte past the
/// limit whatever the stream holds, and the map refuses a file above it.
void CheckStreams(const std::uint8_t* data, std::size_t size) {
    const std::size_t total = size * (1 + size % 3);
    for (const std::size_t limit : {total, total - 1}) {
        RepeatingStream stream{data, size, total};
        const FileRead read = readLimited(std::ref(stream), limit, "stream");
        Require(read.bytes.size() == std::min(total, limit) && read.truncated == (limit < total),
                "a stream is read to its end or to its limit");
    }
    if (data[0] != 0xFF)
        return;
    RepeatingStream endless{data, size, kPlaFileLimit * 2};
    const FileRead read = readLimited(std::ref(endless), kPlaFileLimit, "stream");
    Require(read.truncated && endless.given == kPlaFileLimit + 1,
            "a stream beyond the limit is read one byte past it and no further");
    const auto refused = plaFromRead(read);
    const auto* message = std::get_if<std::string>(&refused);
    Require(message && *message == "Invalid PLA file: the file is larger than 4 MB.",
            "a file beyond the limit is refused");
}

/// Every output of the text is read as the first one is, and a few of them minimized and
/// written as one PLA text read back as the same functions.
void CheckOutputs(const std::string& text, const PlaFunction& first) {
    auto result = parsePlaOutputs(text);
    const auto* function = std::get_if<BooleanFunction>(&result);
    Require(function != nullptr, "a text read for its first output is read for all");
    Require(!function->outputs.empty() && function->outputs[0] == first.function.outputs[0],
            "the first output reads the same");
    for (const std::vector<char>& values : function->outputs)
        Require(values.size() == first.function.outputs[0].size(),
                "one value per minterm in every output");
    // Minimizing takes time per output; a few outputs say as much as many.
    if (function->outputs.size() > 3)
        return;
    const auto results = minimizeOutputs(*function, gmDNF, false);
    auto again = parsePlaOutputs(outputsPlaText(*function, gmDNF, results));
    const auto* written = std::get_if<BooleanFunction>(&again);
    Require(written != nullptr, "written outputs are read back");
    Require(!firstDifferingOutput(*function, *written), "written outputs keep their functions");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 0)
        CheckStreams(data, size);
    const std::string text(reinterpret_cast<const char*>(data), size);
    auto result = parsePla(text);
    if (const auto* error = std::get_if<PlaError>(&result)) {
        CheckRefusal(*error, text);
        return 0;
    }
    const PlaFunction& function = std::get<PlaFunction>(result);
    CheckFunction(function);
    CheckRoundTrip(function);
    CheckOutputs(text, function);
    return 0;
}
