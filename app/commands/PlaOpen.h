// Opening a PLA file in the window: a file of several outputs asks which one the map holds.
#pragma once

#include "document/MapDocument.h"

class IUserDialogs;
class QWidget;

/// Lists the outputs of a PLA file (by their .ob names, else "output K") in a dialog over
/// `parent` and gives the one chosen; cancelling chooses none, which leaves the map as it was.
[[nodiscard]] OutputChooser plaOutputChooser(IUserDialogs& dialogs, QWidget* parent);
