// Cover selection, its two clean-up passes, term texts and the Analyze driver.
#include "engine/CarnoGrid.h"

namespace {

bool onlyDontCares(const TTermItem& term) {
    for (const TCellItem& cell : term.cells)
        if (cell.code != vcDontCare)
            return false;
    return true;
}

CellSet targetCells(const TTermItem& term, TValueCode target) {
    CellSet set;
    for (const TCellItem& cell : term.cells)
        if (cell.code == target)
            set.Insert(CellSet::Index(cell.col, cell.row));
    return set;
}

} // namespace

void TCarnoGrid::TakeTerm(TTermItem& term) {
    m_resultTerms.push_back(term);
    m_resultTerms.back().taken = false;
    term.taken = true;
    for (const TCellItem& cell : term.cells) {
        const int index = CellSet::Index(cell.col, cell.row);
        if (cell.code == vcDontCare || m_covered.Contains(index))
            continue;
        m_covered.Insert(index);
        m_coveredCells.push_back(cell);
    }
}

void TCarnoGrid::ChooseCover() {
    // The largest terms lie in the level before the last one, which is always empty.
    for (std::size_t level = m_termLevels.size() - 2; level > 0 && !AllCovered(); --level) {
        std::vector<TTermItem>& terms = m_termLevels[level].terms;
        for (TTermItem& term : terms)
            if (onlyDontCares(term))
                term.taken = true;
        // Each round takes the last term not taken yet, so the level is used from its end.
        for (auto it = terms.rbegin(); it != terms.rend() && !AllCovered(); ++it)
            if (!it->taken)
                TakeTerm(*it);
    }
    for (const TTermItem& single : m_termLevels[0].terms)
        m_resultTerms.push_back(single);
}

void TCarnoGrid::RemoveContainedTerms() {
    for (std::size_t i = 0; i < m_resultTerms.size();) {
        bool contained = false;
        for (std::size_t j = 0; j < m_resultTerms.size() && !contained; ++j)
            contained = j != i && m_resultTerms[i].set.IsSubsetOf(m_resultTerms[j].set);
        if (contained)
            m_resultTerms.erase(m_resultTerms.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
}

void TCarnoGrid::RemoveRedundantTerms() {
    const TValueCode target = targetCode(GlueMethod);
    // Removals take effect at once: each term is judged against the list as it stands.
    for (std::size_t i = 0; i < m_resultTerms.size();) {
        const TTermItem& p = m_resultTerms[i];
        const CellSet pTargets = targetCells(p, target);
        const int pTargetCount = pTargets.Count();
        CellSet others;
        bool dominated = false;
        for (std::size_t j = 0; j < m_resultTerms.size(); ++j) {
            if (j == i)
                continue;
            const TTermItem& q = m_resultTerms[j];
            others |= q.set;
            if (targetCells(q, target).Count() > pTargetCount && pTargets.IsSubsetOf(q.set))
                dominated = true;
        }
        int shared = 0;
        for (const TCellItem& cell : p.cells)
            if (cell.code == target && others.Contains(CellSet::Index(cell.col, cell.row)))
                ++shared;
        if (shared == p.CellCount() || dominated)
            m_resultTerms.erase(m_resultTerms.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
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
