// The map and the function value: the function a map holds.
#include "engine/MapFunction.h"

BooleanFunction mapFunction(const TCarnoGrid& grid, TGlueMethod method) {
    BooleanFunction function;
    function.inputs = grid.GetVariableCount();
    function.inputNames = grid.VariableNames();
    const char other = *otherText(method);
    std::vector<char>& values = function.outputs.emplace_back();
    values.reserve(std::size_t{1} << function.inputs);
    for (int m = 0; m < 1 << function.inputs; ++m) {
        const CellPos cell = grid.CellOfMinterm(m);
        const std::string& text = grid.Cells(cell.col, cell.row);
        const bool value = text == "1" || text == "0" || text == "*";
        values.push_back(value ? text[0] : other);
    }
    return function;
}
