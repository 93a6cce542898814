// Fuzz target: the map-file reader, and both writers on every map the reader accepts.
#include "FuzzSupport.h"
#include "support/FileWriter.h"

#include <cstdint>
#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

/// A private folder for the files of one fuzzing process, removed when it ends.
class Scratch {
public:
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "lorvane_fuzz_XXXXXX").string();
        Require(mkdtemp(pattern.data()) != nullptr, "a temporary folder can be made");
        m_folder = pattern;
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    [[nodiscard]] std::string Path(const char* name) const { return (m_folder / name).string(); }

private:
    fs::path m_folder;
};

bool IsByteText(const std::string& text) {
    if (text == "*" || text == "0" || text == "1")
        return true;
    if (text.empty() || text.size() > 3 || text[0] == '0' ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int value = std::stoi(text);
    return value >= 3 && value <= 255;
}

std::size_t ExpectedSize(int n, bool bitSave) {
    const std::size_t cells = std::size_t{1} << n;
    return 12 + (bitSave ? 2 * ((cells + 7) / 8) : cells);
}

/// Saves the loaded map in one encoding, reloads it and compares cell by cell.
void CheckRoundTrip(TCarnoGrid& loaded, SilentMessages& messages, const Scratch& scratch,
                    bool bitSave) {
    const std::string path = scratch.Path(bitSave ? "bits.lvn" : "bytes.lvn");
    loaded.BitSave = bitSave;
    // The bit planes hold "1", "*" and "0"; a loaded number such as "7" is reported and
    // written as "0".
    int lossy = 0;
    for (int c = 1; bitSave && c <= loaded.DataCols(); ++c)
        for (int r = 1; r <= loaded.DataRows(); ++r)
            lossy +=
                loaded.Cells(c, r) == "1" || loaded.Cells(c, r) == "*" || loaded.Cells(c, r) == "0"
                    ? 0
                    : 1;
    const int shownBefore = messages.shown;
    Require(loaded.SaveToFile(path) == (lossy == 0), "a loaded map saves unless a cell is lost");
    Require(messages.shown == shownBefore + lossy, "every cell that cannot be held is reported");
    const int n = loaded.GetVariableCount();
    Require(readWholeFile(path).value_or("").size() == ExpectedSize(n, bitSave),
            "the file has the size its header promises");

    SilentMessages quiet;
    TCarnoGrid again;
    again.SetMessageBox(&quiet);
    Require(again.LoadFromFile(path), "a saved map loads");
    Require(again.GetVariableCount() == n, "the variable count comes back");
    for (int c = 1; c <= loaded.DataCols(); ++c) {
        for (int r = 1; r <= loaded.DataRows(); ++r) {
            const std::string& before = loaded.Cells(c, r);
            const std::string expected =
                bitSave && before != "1" && before != "*" ? std::string("0") : before;
            Require(again.Cells(c, r) == expected, "every cell comes back");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Scratch scratch;
    const std::string input = scratch.Path("input.lvn");
    Require(!writeFileAtomically(input, std::string(reinterpret_cast<const char*>(data), size)),
            "the input can be written");

    SilentMessages messages;
    CountingTree tree;
    tree.lines = static_cast<int>(size % 3);
    TCarnoGrid grid;
    grid.SetMessageBox(&messages);
    grid.SetTreeView(&tree);
    grid.SetVariableCount(3);
    grid.SetCells(1, 1, "x");
    grid.SetCells(32, 32, "kept");
    static StoreTexts before;
    static StoreTexts after;
    TakeSnapshot(grid, before);
    const int linesBefore = tree.lines;

    if (!grid.LoadFromFile(input)) {
        TakeSnapshot(grid, after);
        Require(after == before, "a refused file leaves the cells alone");
        Require(grid.GetVariableCount() == 3, "a refused file leaves the size alone");
        Require(tree.lines == linesBefore, "a refused file leaves the results alone");
        return 0;
    }
    const int n = grid.GetVariableCount();
    Require(n >= 2 && n <= 8, "a loaded map has 2 to 8 variables");
    Require(size >= ExpectedSize(n, data[6] != 0), "a loaded file holds every cell");
    Require(grid.FillState == 2, "a loaded map is marked as loaded");
    for (int c = 1; c <= grid.DataCols(); ++c)
        for (int r = 1; r <= grid.DataRows(); ++r)
            Require(IsByteText(grid.Cells(c, r)), "a loaded cell holds a byte's text");
    CheckRoundTrip(grid, messages, scratch, false);
    CheckRoundTrip(grid, messages, scratch, true);
    return 0;
}
