// Opening a PLA file in the window: a file of several outputs asks which one the map holds.
#pragma once

#include "engine/CarnoGrid.h"

#include <string>

class IUserDialogs;
class QWidget;

/// Reads the PLA file into the map. A file of several outputs first lists them (by their .ob
/// names, else "output K") and loads the one chosen; cancelling leaves the map as it was. A
/// file that cannot be read or is refused gets its message. True when the map was loaded.
bool openPlaFile(TCarnoGrid& grid, const std::string& path, IUserDialogs& dialogs, QWidget* parent);
