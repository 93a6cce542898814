// The exact minimizer on the map: its function, its covers as result terms, TestExact.
#include "engine/ExactMap.h"

#include "engine/MapFunction.h"
#include "engine/function/TermText.h"

namespace {

TTermItem termOfMinterms(const TCarnoGrid& grid, const CellSet& minterms) {
    TTermItem term;
    minterms.ForEach([&](int m) {
        const CellPos cell = grid.CellOfMinterm(m);
        term.Append({static_cast<std::uint8_t>(cell.col), static_cast<std::uint8_t>(cell.row),
                     TCarnoGrid::CellCode(grid.Cells(cell.col, cell.row))});
    });
    return term;
}

} // namespace

ExactResult minimizeExact(const TCarnoGrid& grid, const ExactOptions& options) {
    return minimizeExact(mapFunction(grid, grid.GlueMethod), 0, grid.GlueMethod, options);
}

std::vector<TTermItem> termsOfCover(const TCarnoGrid& grid, const std::vector<Cube>& cover) {
    std::vector<TTermItem> terms;
    for (const Cube& cube : cover)
        terms.push_back(termOfMinterms(grid, cube.Minterms()));
    return terms;
}

std::string coverCaption(const TCarnoGrid& grid, const std::vector<Cube>& cover) {
    return resultCaption(cover, grid.VariableNames(), grid.GlueMethod);
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
