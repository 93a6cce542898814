// The map model: geometry, the cell store, Gray-code labels and value codes.
#include "engine/CarnoGrid.h"

#include "engine/MapGeometry.h"

#include <cassert>
#include <utility>

namespace {

const std::string kEmpty;

} // namespace

TCarnoGrid::TCarnoGrid() {
    for (int i = 1; i <= 8; ++i)
        SetVariableName(i, std::string(1, static_cast<char>('A' + i - 1)));
    SetVariableCount(4);
}

MsgAnswer TCarnoGrid::Message(const std::string& text, MsgKind kind, MsgButtons buttons) const {
    if (m_messages)
        return m_messages->Show(text, kind, buttons);
    return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
}

void TCarnoGrid::Repaint() const {
    if (m_view)
        m_view->Repaint();
}

void TCarnoGrid::SetVariableCount(int value) {
    if (value < 2 || value > 8) {
        Message("Invalid number of variables", MsgKind::Information, MsgButtons::Ok);
        return;
    }
    const MapGeometry geometry(value);
    m_colVarCount = static_cast<std::uint8_t>(geometry.colVars);
    m_rowVarCount = static_cast<std::uint8_t>(geometry.rowVars);
    m_colCount = geometry.DataCols() + 1;
    m_rowCount = geometry.DataRows() + 1;
    m_variableCount = static_cast<std::uint8_t>(value);
    MakeGrayLabels(m_rowVarCount, RowLabels);
    MakeGrayLabels(m_colVarCount, ColLabels);
    Repaint();
}

const std::string& TCarnoGrid::Cells(int col, int row) const {
    if (col < 1 || col > kStoreSize || row < 1 || row > kStoreSize)
        return kEmpty;
    return m_cells[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
}

void TCarnoGrid::SetCells(int col, int row, const std::string& text) {
    if (col < 1 || col > kStoreSize || row < 1 || row > kStoreSize)
        return;
    m_cells[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)] = text;
    Repaint();
}

MapCells TCarnoGrid::Snapshot() const {
    return {m_cells, m_variableCount, FillState};
}

void TCarnoGrid::Restore(const MapCells& cells) {
    m_cells = cells.cells;
    FillState = cells.fillState;
    SetVariableCount(cells.variableCount);
}

int TCarnoGrid::MintermOf(int col, int row) const {
    return MapGeometry(m_variableCount).MintermOf(col, row);
}

CellPos TCarnoGrid::CellOfMinterm(int m) const {
    return MapGeometry(m_variableCount).CellOf(m);
}

void TCarnoGrid::MakeGrayLabels(int bits, std::array<std::string, 256>& labels) {
    if (bits > 8)
        return;
    std::array<int, 256> value{};
    labels[0] = "00000000";
    labels[1] = "00000001";
    value[1] = 1;
    for (int b = 1; b <= bits; ++b) {
        const int h = 1 << (b - 1);
        for (int j = 0; j < h; ++j) {
            // Reflect the first half: the new entries run back through the old ones.
            const auto at = static_cast<std::size_t>(h + j);
            if (at > 255)
                break;
            value[at] = h + value[static_cast<std::size_t>(h - 1 - j)];
            labels[at] = ByteToBinary(value[at]);
        }
    }
}

std::string TCarnoGrid::ByteToBinary(int value) {
    std::string out(8, '0');
    for (int i = 0; i < 8; ++i)
        if (value & (0x80 >> i))
            out[static_cast<std::size_t>(i)] = '1';
    return out;
}

int TCarnoGrid::BinaryToByte(const std::string& digits) {
    const std::size_t n = digits.size() < 8 ? digits.size() : 8;
    int value = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (digits[i] == '1')
            value += 1 << (n - 1 - i);
    return value;
}

TValueCode TCarnoGrid::CellCode(const std::string& text) {
    return text.empty() ? vcDontCare : valueCode(text[0]);
}

std::string TCarnoGrid::RowLabel(int row) const {
    assert(row >= 1 && row <= 256 && "row label out of range");
    return RowLabels[static_cast<std::size_t>(row - 1)].substr(8 - m_rowVarCount);
}

std::string TCarnoGrid::ColLabel(int col) const {
    assert(col >= 1 && col <= 256 && "column label out of range");
    return ColLabels[static_cast<std::size_t>(col - 1)].substr(8 - m_colVarCount);
}

const std::string& TCarnoGrid::VariableName(int i) const {
    assert(i >= 1 && i <= 8 && "variable number out of range");
    return m_variableNames[static_cast<std::size_t>(i)];
}

void TCarnoGrid::SetVariableName(int i, std::string name) {
    assert(i >= 1 && i <= 8 && "variable number out of range");
    m_variableNames[static_cast<std::size_t>(i)] = std::move(name);
}

std::vector<std::string> TCarnoGrid::VariableNames() const {
    return {m_variableNames.begin() + 1, m_variableNames.begin() + 1 + m_variableCount};
}

bool TCarnoGrid::CellsValid() const {
    for (int c = 1; c <= DataCols(); ++c) {
        for (int r = 1; r <= DataRows(); ++r) {
            if (!IsCellValue(Cells(c, r)))
                return false;
        }
    }
    return true;
}

bool TCarnoGrid::IsCellValue(const std::string& text) {
    return text.empty() || text == "0" || text == "1" || text == "*";
}

bool TCarnoGrid::ValidateCells() {
    if (CellsValid())
        return true;
    Message("Invalid data in cell.", MsgKind::Error, MsgButtons::Ok);
    return false;
}

bool TCarnoGrid::IsCellOfTerm(int k, int col, int row) const {
    if (k < 0 || k >= static_cast<int>(m_resultTerms.size()))
        return false;
    if (col < 1 || col > 16 || row < 1 || row > 16)
        return false;
    return m_resultTerms[static_cast<std::size_t>(k)].set.Contains(CellSet::Index(col, row));
}

void TCarnoGrid::SelectTerm(int index) {
    if (index < 0 || index >= static_cast<int>(m_resultTerms.size()))
        return;
    Repaint();
    if (!m_view)
        return;
    std::vector<CellPos> cells;
    for (const TCellItem& cell : m_resultTerms[static_cast<std::size_t>(index)].cells)
        cells.push_back({cell.col, cell.row});
    m_view->FillCells(cells, TermColor);
}
