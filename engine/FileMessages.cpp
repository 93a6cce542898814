// Files written for a command on the map.
#include "engine/FileMessages.h"

#include "engine/CarnoGrid.h"
#include "support/FileWriter.h"

bool writeText(const TCarnoGrid& grid, const std::string& path, const std::string& text) {
    if (const auto error = writeFileAtomically(path, text)) {
        grid.Message(*error, MsgKind::Error, MsgButtons::Ok);
        return false;
    }
    return true;
}
