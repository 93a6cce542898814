// The sets representation: the minterm numbers of the 1, 0 and don't-care cells.
#include "engine/CarnoGrid.h"

void TCarnoGrid::MapToSets(std::string& ones, std::string& zeros, std::string& dontCares) const {
    ones.clear();
    zeros.clear();
    dontCares.clear();
    auto append = [](std::string& set, int m) {
        if (!set.empty())
            set += ',';
        set += std::to_string(m);
    };
    for (int c = 1; c <= DataCols(); ++c) {
        for (int r = 1; r <= DataRows(); ++r) {
            const int m = BinaryToByte(RowLabel(r) + ColLabel(c));
            const std::string& text = Cells(c, r);
            if (text == "1")
                append(ones, m);
            else if (text == "0")
                append(zeros, m);
            else if (text == "*")
                append(dontCares, m);
        }
    }
}
