// Files written for a command on the map: a failure is shown through the map's message port.
#pragma once

#include <string>

class TCarnoGrid;

/// Writes `text` to the file at `path` (writeFileAtomically); a failed write shows its message
/// through the map's message box, and then false.
bool writeText(const TCarnoGrid& grid, const std::string& path, const std::string& text);
