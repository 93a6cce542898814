// Whole-map fills, clearing after a load, and filling from set texts ("0,2,5-7").
#include "engine/CarnoGrid.h"
#include "input/StringParcer.h"
#include "support/TextUtil.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::size_t kMaxSetText = 255;
// Any number above this lies beyond every map; longer digit runs saturate here.
constexpr long kBeyondAnyMap = 1L << 20;

/// Reads the decimal number at the start of `token` up to its first non-digit; an empty run
/// reads as 0. Numbers too large for any map saturate instead of overflowing.
long leadingNumber(const std::string& token) {
    long value = 0;
    for (char ch : token) {
        if (ch < '0' || ch > '9')
            break;
        value = std::min(kBeyondAnyMap, value * 10 + (ch - '0'));
    }
    return value;
}

} // namespace

void TCarnoGrid::FillCard(const std::string& value) {
    if (m_treeView && m_treeView->Count() > 0) {
        if (Message("Results of analyze will be lost, Continue?", MsgKind::Warning,
                    MsgButtons::OkCancel) == MsgAnswer::Ok)
            m_treeView->Clear();
    }
    CleareCard();
    for (int c = 1; c <= DataCols(); ++c)
        for (int r = 1; r <= DataRows(); ++r)
            SetCells(c, r, value);
}

void TCarnoGrid::CleareCard() {
    if (FillState == 0)
        return;
    for (int c = 1; c <= kStoreSize; ++c)
        for (int r = 1; r <= kStoreSize; ++r)
            SetCells(c, r, "");
    FillState = 0;
}

bool TCarnoGrid::AnalyzeWorkString(const std::string& setText, const std::string& value) {
    const std::string text = removeSpaces(setText);
    if (text.size() > kMaxSetText) {
        Message("Set is too long: at most 255 characters without spaces.", MsgKind::Information,
                MsgButtons::Ok);
        return false;
    }
    if (text.find_first_not_of("0123456789-,") != std::string::npos) {
        Message("Invalid symbol in string.", MsgKind::Information, MsgButtons::Ok);
        return false;
    }
    TStringParcer parser;
    parser.Text = text;
    parser.Parse(',');

    const long highest = (1L << m_variableCount) - 1;
    auto fill = [&](long m) {
        const CellPos cell = CellOfMinterm(static_cast<int>(m));
        SetCells(cell.col, cell.row, value);
    };
    for (const std::string& token : parser.Items) {
        const std::size_t dash = token.find('-');
        if (dash == std::string::npos) {
            const long m = leadingNumber(token);
            if (m <= highest)
                fill(m);
            continue;
        }
        long low = leadingNumber(token.substr(0, dash));
        long high = leadingNumber(token.substr(dash + 1));
        if (high < low)
            std::swap(low, high);
        if (high > highest)
            continue;
        for (long m = low; m <= high; ++m)
            fill(m);
    }
    return true;
}

bool TCarnoGrid::ApplySets(const std::string& ones, const std::string& zeros,
                           const std::string& dontCares) {
    bool allApplied = true;
    const std::pair<const std::string*, const char*> sets[] = {
        {&ones, "1"}, {&zeros, "0"}, {&dontCares, "*"}};
    for (const auto& [text, value] : sets)
        if (!text->empty() && !AnalyzeWorkString(*text, value))
            allApplied = false;
    return allApplied;
}
