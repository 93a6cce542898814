// The positional neighbour rule of the map.
#include "engine/Neighbours.h"

namespace {

void addInside(std::vector<int>& out, int position, int length) {
    if (position >= 1 && position <= length)
        out.push_back(position);
}

} // namespace

std::vector<int> forwardPartners(int x, int length, int blockWidth) {
    std::vector<int> out;
    const int place = (x - 1) % blockWidth + 1;
    if (place == 1) {
        // The first cell of a block reaches the last cell of every larger block it starts.
        for (int step : {1, 3, 7, 15}) {
            if (x + step > length)
                break;
            out.push_back(x + step);
        }
        return out;
    }
    addInside(out, x + 1, length);
    addInside(out, length - x + 1, length);
    return out;
}

std::vector<int> backwardPartners(int x, int length) {
    std::vector<int> out;
    addInside(out, x - 1, length);
    addInside(out, length - x + 1, length);
    return out;
}

std::vector<CellPos> neighbourCells(int col, int row, int cols, int rows, int blockWidth) {
    std::vector<CellPos> out;
    for (int c : forwardPartners(col, cols, blockWidth))
        out.push_back({c, row});
    for (int c : backwardPartners(col, cols))
        out.push_back({c, row});
    for (int r : backwardPartners(row, rows))
        out.push_back({col, r});
    for (int r : forwardPartners(row, rows, blockWidth))
        out.push_back({col, r});
    return out;
}
