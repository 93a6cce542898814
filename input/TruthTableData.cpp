// The truth table's content: sizing, the input combinations, the transfer into the map and
// the map as one character per minterm.
#include "input/TruthTableData.h"

#include "engine/CarnoGrid.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int kMaxVariables = 8;
constexpr int kMaxFunctions = 4;

const std::string kEmpty;

/// The row's input digits as one string, or nothing when a cell is not exactly "0" or "1".
std::optional<std::string> rowDigits(const TTruthTableData& table, int row) {
    std::string digits;
    for (int col = 0; col < table.VariableCount(); ++col) {
        const std::string& text = table.Cell(col, row);
        if (text != "0" && text != "1")
            return std::nullopt;
        digits += text;
    }
    return digits;
}

} // namespace

TTruthTableData::TTruthTableData(IMessageBox* messages)
    : ColumnNames(1 + kMaxVariables + kMaxFunctions), m_messages(messages) {
    SetTableSize(m_variableCount, m_functionCount);
}

bool TTruthTableData::SetTableSize(int variables, int functions) {
    if (variables < 2 || variables > kMaxVariables || functions < 1 || functions > kMaxFunctions) {
        if (m_messages)
            m_messages->Show("Invalid number of variables", MsgKind::Information, MsgButtons::Ok);
        return false;
    }
    m_variableCount = variables;
    m_functionCount = functions;
    // Cells keep their texts when the table shrinks, so that growing it again shows them.
    m_cells.resize(static_cast<std::size_t>(ColCount()));
    for (auto& column : m_cells)
        column.resize(static_cast<std::size_t>(RowCount()));
    for (int k = 1; k <= functions; ++k)
        ColumnNames[static_cast<std::size_t>(variables + k)] =
            std::string(1, 'F') + std::to_string(k);
    Fill();
    return true;
}

const std::string& TTruthTableData::Cell(int col, int row) const {
    if (col < 0 || col >= ColCount() || row < 1 || row >= RowCount())
        return kEmpty;
    return m_cells[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
}

void TTruthTableData::SetCell(int col, int row, const std::string& text) {
    if (col < 0 || col >= ColCount() || row < 1 || row >= RowCount())
        return;
    m_cells[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)] = text;
}

void TTruthTableData::Fill() {
    const int v = m_variableCount;
    for (int k = 1; k <= v; ++k)
        for (int row = 1; row < RowCount(); ++row)
            SetCell(k - 1, row, ((row - 1) >> (v - k)) & 1 ? "1" : "0");
    for (int row = 1; row < RowCount(); ++row)
        SetCell(v, row, "");
}

void TTruthTableData::FillCarnoCard(TCarnoGrid& grid) const {
    const int rowVars = grid.GetRowVarCount();
    const int colVars = grid.GetColVarCount();
    for (int row = 1; row < RowCount(); ++row) {
        const auto digits = rowDigits(*this, row);
        // Inputs edited into something other than binary digits, or too few digits for the
        // map, name no cell: the row is left out.
        if (!digits || static_cast<int>(digits->size()) < std::max(rowVars, colVars))
            continue;
        const std::string cellDigits =
            digits->substr(0, static_cast<std::size_t>(rowVars)) +
            digits->substr(digits->size() - static_cast<std::size_t>(colVars));
        const CellPos cell = grid.CellOfMinterm(TCarnoGrid::BinaryToByte(cellDigits));
        grid.SetCells(cell.col, cell.row, Cell(m_variableCount, row));
    }
}

void TCarnoGrid::MapToTruthTable(FunctionTable& table) const {
    table.VariableCount = m_variableCount;
    table.Values.assign(std::size_t{1} << m_variableCount, '\0');
    for (int m = 0; m < 1 << m_variableCount; ++m) {
        const CellPos cell = CellOfMinterm(m);
        const std::string& text = Cells(cell.col, cell.row);
        if (!text.empty())
            table.Values[static_cast<std::size_t>(m)] = text[0];
    }
}
