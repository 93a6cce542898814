// The map's analysis: the gluing on the function it holds, term texts, the result tree and the
// Analyze driver.
#include "engine/CarnoGrid.h"

#include "engine/Gluing.h"
#include "engine/MapFunction.h"

void TCarnoGrid::Glue() {
    GluingResult result = glueOutput(mapFunction(*this, GlueMethod), 0, GlueMethod, m_progress);
    m_termLevels = std::move(result.levels);
    m_resultTerms = std::move(result.terms);
    m_coveredCells = std::move(result.covered);
    m_targetCount = result.targetCount;
    ResultText = JoinTermTexts(m_resultTerms);
}

std::string TCarnoGrid::TermText(const TTermItem& term) const {
    if (term.cells.empty())
        return {};
    auto digitsOf = [this](const TCellItem& cell) {
        return RowLabel(cell.row) + ColLabel(cell.col);
    };
    std::string pattern = digitsOf(term.cells.front());
    for (const TCellItem& cell : term.cells) {
        const std::string digits = digitsOf(cell);
        for (std::size_t i = 0; i < pattern.size(); ++i)
            if (digits[i] != pattern[i])
                pattern[i] = '*';
    }
    std::size_t last = 1;
    for (std::size_t i = pattern.size(); i >= 1; --i)
        if (pattern[i - 1] != '*') {
            last = i;
            break;
        }
    const bool sop = GlueMethod == gmDNF;
    const std::string op = sop ? "*" : "+";
    const std::string zeroMark = sop ? "|" : "";
    const std::string oneMark = sop ? "" : "|";
    std::string text;
    for (std::size_t i = 1; i <= pattern.size(); ++i) {
        const char digit = pattern[i - 1];
        if (digit == '*')
            continue;
        text += (digit == '0' ? zeroMark : oneMark) + VariableName(i);
        if (i != last)
            text += op;
    }
    return text;
}

const char* TCarnoGrid::TermSeparator() const {
    return GlueMethod == gmDNF ? "+" : "*";
}

std::string TCarnoGrid::JoinTermTexts(const std::vector<TTermItem>& terms) const {
    std::string text;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (i > 0)
            text += TermSeparator();
        text += TermText(terms[i]);
    }
    return text;
}

std::string TCarnoGrid::CaptionOf(const std::vector<TTermItem>& terms) const {
    const std::string text = JoinTermTexts(terms);
    return text.empty() && !terms.empty() ? ConstantText() : text;
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
