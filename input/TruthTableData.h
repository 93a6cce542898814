// The truth table's content: every input combination of v variables with up to four
// function columns; the grid control of the desktop program shows it.
#pragma once

#include "engine/Ports.h"

#include <optional>
#include <string>
#include <vector>

class TCarnoGrid;

/// Rows 1..2^v hold the combinations (row r is combination r - 1, variable 1 the most
/// significant digit); row 0 is the header. Columns 0..v-1 are the inputs, v..v+f-1 the
/// function columns "F1".."F4".
class TTruthTableData {
public:
    explicit TTruthTableData(IMessageBox* messages = nullptr);

    /// Resizes to v variables (2..8) and f function columns (1..4), names the function columns
    /// and refills the inputs; outside those ranges shows "Invalid number of variables" and
    /// changes nothing. Returns whether the size was applied.
    bool SetTableSize(int variables, int functions);
    void SetVariableCount(int variables) { SetTableSize(variables, m_functionCount); }
    void SetFunctionCount(int functions) { SetTableSize(m_variableCount, functions); }
    [[nodiscard]] int VariableCount() const { return m_variableCount; }
    [[nodiscard]] int FunctionCount() const { return m_functionCount; }
    /// Rows including the header row: 2^v + 1.
    [[nodiscard]] int RowCount() const { return (1 << m_variableCount) + 1; }
    /// Columns: v + f.
    [[nodiscard]] int ColCount() const { return m_variableCount + m_functionCount; }

    /// Text of a cell (column from 0, row from 1); empty outside the table.
    [[nodiscard]] const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);

    /// Caption of column `col` counted from 1 (variables 1..v, then "F1".."F4"); index 0 unused.
    std::vector<std::string> ColumnNames;

    /// Writes every input combination and empties the first function column.
    void Fill();
    /// Writes the first function column into the map, every cell; rows whose input digits no
    /// longer name a map cell are skipped.
    void FillCarnoCard(TCarnoGrid& grid) const;
    /// The truth table rendered as HTML through three cell templates (header cell, variable
    /// cell, function cell), one output item per formatted piece. Returns an error text when a
    /// template holds a directive other than one "%s" and "%%".
    [[nodiscard]] std::optional<std::string> SaveToHTMLTemplate(
        const std::vector<std::string>& headerCell, const std::vector<std::string>& variableCell,
        const std::vector<std::string>& functionCell, std::vector<std::string>& out) const;

private:
    IMessageBox* m_messages;
    int m_variableCount = 4;
    int m_functionCount = 1;
    std::vector<std::vector<std::string>> m_cells; // [col][row]
};
