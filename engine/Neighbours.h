// The positional neighbour rule of the map: which cells a cell may be glued with.
#pragma once

#include "engine/Ports.h"

#include <vector>

/// Partners of position `x` (from 1) on an axis of `length` positions going forward (right or
/// down), in the order tried; positions beyond the axis are left out, duplicates kept.
/// Positions are grouped in blocks of `blockWidth`.
[[nodiscard]] std::vector<int> forwardPartners(int x, int length, int blockWidth = 4);
/// Partners of position `x` going backward (left or up), in the order tried.
[[nodiscard]] std::vector<int> backwardPartners(int x, int length);
/// Neighbour cells of (col, row) on a map of `cols` x `rows` data cells, in the order right,
/// left, up, down; a partner may appear twice.
[[nodiscard]] std::vector<CellPos> neighbourCells(int col, int row, int cols, int rows,
                                                  int blockWidth = 4);
