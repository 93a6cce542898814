// Fuzz target: set texts ("0,2,5-7") written into maps of every size with all three values.
#include "FuzzSupport.h"

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
    return 0;
}
