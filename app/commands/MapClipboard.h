// Cells of the map as the tab-separated text that spreadsheets exchange through the clipboard.
#pragma once

#include "engine/CarnoGrid.h"

#include <QRect>
#include <QString>

#include <optional>
#include <string>
#include <vector>

/// Rows of cell values, top to bottom; a row may be shorter than others.
using CellBlock = std::vector<std::vector<std::string>>;

/// The data cells inside `area` (columns and rows from 1): one line per row, each ended by a
/// line break, cells separated by tabs, an empty cell as nothing.
[[nodiscard]] QString cellsAsText(const TCarnoGrid& grid, const QRect& area);

/// The rows and cells of a tab-separated text: rows end at "\n" or "\r\n" (a last line break
/// ends the last row), cells are separated by tabs, values are trimmed. Nothing when a value
/// is not a cell value ("", "0", "1" or "*").
[[nodiscard]] std::optional<CellBlock> cellsFromText(const QString& text);

/// Number of cells in the longest row.
[[nodiscard]] int blockWidth(const CellBlock& block);
