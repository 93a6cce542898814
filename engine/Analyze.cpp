// The map's analysis: the gluing on the function it holds, term texts, the result tree and the
// Analyze driver.
#include "engine/CarnoGrid.h"

#include "engine/Gluing.h"
#include "engine/MapFunction.h"
#include "engine/MapGeometry.h"
#include "engine/function/TermText.h"

namespace {

/// The smallest cube of the current map holding the term's cells: the variables where all its
/// cells' labels agree are fixed.
Cube spanningCube(const TCarnoGrid& grid, const TTermItem& term) {
    const int n = grid.GetVariableCount();
    return Cube::Spanning(MapGeometry(n).TermMinterms(term), n);
}

std::vector<Cube> spanningCubes(const TCarnoGrid& grid, const std::vector<TTermItem>& terms) {
    std::vector<Cube> cubes;
    cubes.reserve(terms.size());
    for (const TTermItem& term : terms)
        cubes.push_back(spanningCube(grid, term));
    return cubes;
}

} // namespace

void TCarnoGrid::Glue() {
    GluingResult result = glueOutput(mapFunction(*this, GlueMethod), 0, GlueMethod, m_progress);
    m_termLevels = std::move(result.levels);
    m_resultTerms = std::move(result.terms);
    m_coveredCells = std::move(result.covered);
    m_targetCount = result.targetCount;
    ResultText = JoinTermTexts(m_resultTerms);
}

std::string TCarnoGrid::TermText(const TTermItem& term) const {
    return termText(spanningCube(*this, term), VariableNames(), GlueMethod);
}

const char* TCarnoGrid::TermSeparator() const {
    return termSeparator(GlueMethod);
}

std::string TCarnoGrid::JoinTermTexts(const std::vector<TTermItem>& terms) const {
    return joinTermTexts(spanningCubes(*this, terms), VariableNames(), GlueMethod);
}

std::string TCarnoGrid::CaptionOf(const std::vector<TTermItem>& terms) const {
    return resultCaption(spanningCubes(*this, terms), VariableNames(), GlueMethod);
}

void TCarnoGrid::ShowResultTree() const {
    if (!m_treeView)
        return;
    std::string root = ResultText;
    if (root.empty() && !m_resultTerms.empty())
        root = ConstantText();
    m_treeView->InsertRoot(root);
    for (const TTermItem& term : m_resultTerms) {
        const std::string text = TermText(term);
        m_treeView->AddChild(text.empty() ? ConstantText() : text);
    }
}

void TCarnoGrid::SetResultTerms(std::vector<TTermItem> terms) {
    m_resultTerms = std::move(terms);
    ResultText = JoinTermTexts(m_resultTerms);
}

AnalyzeOutcome TCarnoGrid::Analyze(TGlueMethod method, bool exact) {
    if (m_treeView)
        m_treeView->Clear();
    GlueMethod = method;
    FillEmptyCells(otherText(method));
    const bool accepted = CellsValid();
    bool proven = true;
    if (exact)
        proven = TestExact();
    else
        Test();
    return {accepted, proven};
}

void TCarnoGrid::FillEmptyCells(const std::string& value) {
    for (int c = 1; c <= DataCols(); ++c)
        for (int r = 1; r <= DataRows(); ++r)
            if (Cells(c, r).empty())
                SetCells(c, r, value);
}

void TCarnoGrid::Test() {
    if (!ValidateCells())
        return;
    Glue();
    ShowResultTree();
    Message("Analyze Complete.", MsgKind::Information, MsgButtons::Ok);
}
