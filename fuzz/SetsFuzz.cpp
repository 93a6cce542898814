// Fuzz target: set texts ("0,2,5-7") written into maps of every size with all three values, and
// read strictly as the command line reads them.
#include "FuzzSupport.h"
#include "input/Sets.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool foreign = text.find_first_not_of("0123456789-, ") != std::string::npos;
    SilentMessages messages;
    TCarnoGrid grid;
    grid.SetMessageBox(&messages);
    grid.SetVariableCount(2 + data[0] % 7);
    static StoreTexts before;
    static StoreTexts after;
    TakeSnapshot(grid, before);
    for (const char* value : {"1", "0", "*"}) {
        const int shownBefore = messages.shown;
        const bool applied = grid.AnalyzeWorkString(text, value);
        TakeSnapshot(grid, after);
        if (!applied) {
            Require(after == before, "a refused set text changes nothing");
            Require(messages.shown == shownBefore + 1, "a refused set text gets one message");
            continue;
        }
        Require(!foreign, "a set text with other characters is refused");
        Require(messages.shown == shownBefore, "an applied set text shows no message");
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (after[i] == before[i])
                continue;
            const int col = static_cast<int>(i) / TCarnoGrid::kStoreSize + 1;
            const int row = static_cast<int>(i) % TCarnoGrid::kStoreSize + 1;
            Require(OnMap(grid, col, row), "a set text writes only cells of the map");
            Require(after[i] == value, "a set text writes only its value");
        }
        before.swap(after);
    }
    const auto strict = readSetList(text, grid.GetVariableCount());
    if (const auto* problem = std::get_if<SetListProblem>(&strict)) {
        Require(problem->invalidSymbol == foreign, "only other characters are invalid symbols");
        Require(foreign || !problem->text.empty(), "a refused set list says why");
        return 0;
    }
    const auto& minterms = std::get<MintermBits>(strict);
    Require(!foreign, "a set list with other characters is refused");
    Require((minterms >> (1 << grid.GetVariableCount())).none(), "a set list stays on the map");
    return 0;
}
