// The map and the function value: conversions both ways.
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

void writeOutput(TCarnoGrid& grid, const BooleanFunction& function, std::size_t output) {
    grid.SetVariableCount(function.inputs);
    const std::vector<char>& values = function.outputs[output];
    for (std::size_t m = 0; m < values.size(); ++m) {
        const CellPos cell = grid.CellOfMinterm(static_cast<int>(m));
        grid.SetCells(cell.col, cell.row, std::string(1, values[m]));
    }
    for (std::size_t i = 0; i < function.inputNames.size(); ++i)
        grid.SetVariableName(static_cast<int>(i) + 1, function.inputNames[i]);
}
