// The exact minimizer on the map: its function, its covers as result terms, TestExact.
#include "engine/ExactMap.h"

ExactFunction functionOfMap(const TCarnoGrid& grid) {
    ExactFunction function;
    function.variables = grid.GetVariableCount();
    const std::string target = targetText(grid.GlueMethod);
    for (int m = 0; m < 1 << function.variables; ++m) {
        const CellPos cell = grid.CellOfMinterm(m);
        const std::string& text = grid.Cells(cell.col, cell.row);
        if (text == target)
            function.targets.Insert(m);
        else if (text == "*")
            function.dontCares.Insert(m);
    }
    return function;
}

ExactResult minimizeExact(const TCarnoGrid& grid, const ExactOptions& options) {
    return minimizeExact(functionOfMap(grid), options);
}

TTermItem termOfMinterms(const TCarnoGrid& grid, const CellSet& minterms) {
    TTermItem term;
    minterms.ForEach([&](int m) {
        const CellPos cell = grid.CellOfMinterm(m);
        term.Append({static_cast<std::uint8_t>(cell.col), static_cast<std::uint8_t>(cell.row),
                     TCarnoGrid::CellCode(grid.Cells(cell.col, cell.row))});
    });
    return term;
}

std::vector<TTermItem> termsOfCover(const TCarnoGrid& grid, const std::vector<Cube>& cover) {
    std::vector<TTermItem> terms;
    for (const Cube& cube : cover)
        terms.push_back(termOfMinterms(grid, cube.Minterms()));
    return terms;
}

std::string coverCaption(const TCarnoGrid& grid, const std::vector<Cube>& cover) {
    return grid.CaptionOf(termsOfCover(grid, cover));
}

bool TCarnoGrid::TestExact() {
    if (!ValidateCells())
        return true;
    if (m_progress)
        m_progress->SetMax(DataCols() * DataRows());
    const ExactResult result = minimizeExact(*this);
    SetResultTerms(termsOfCover(*this, result.cover));
    if (m_progress)
        m_progress->SetPosition(m_progress->Max());
    ShowResultTree();
    if (!result.proven)
        Message("The search was stopped after one second: the result is not proven minimal.",
                MsgKind::Warning, MsgButtons::Ok);
    Message("Analyze Complete.", MsgKind::Information, MsgButtons::Ok);
    return result.proven;
}
