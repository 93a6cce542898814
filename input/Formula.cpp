// The formula language: validation of operands and writing a formula into the map.
#include "engine/CarnoGrid.h"
#include "support/TextUtil.h"

#include <array>

namespace {

constexpr std::size_t kMaxFormula = 255;

/// Splits `text` at every character of `separators`; keeps empty pieces and records where
/// each piece starts (from 1).
struct Piece {
    std::string text;
    std::size_t start;
};

std::vector<Piece> split(const std::string& text, const std::string& separators) {
    std::vector<Piece> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && separators.find(text[i]) == std::string::npos)
            continue;
        pieces.push_back({text.substr(start, i - start), start + 1});
        start = i + 1;
    }
    return pieces;
}

/// What a term asks of one variable while it is evaluated.
enum class Need : std::uint8_t { Any, One, Zero, Contradicted };

} // namespace

std::string TCarnoGrid::FormulaMessage(int validation) {
    if (validation == kFormulaTooLong)
        return "Formula is too long: at most 255 characters without spaces.";
    return "Unknown variable in line.\r\nPosition: " + std::to_string(validation) + ".";
}

int TCarnoGrid::ValidateFormulaString(const std::string& formula) const {
    if (formula.empty())
        return 0;
    const std::string text = removeSpaces(formula);
    if (text.size() > kMaxFormula)
        return kFormulaTooLong;
    for (const Piece& operand : split(text, "+*")) {
        std::string name = upperAscii(operand.text);
        if (!name.empty() && name[0] == '|')
            name.erase(0, 1);
        bool known = false;
        for (int i = 1; i <= m_variableCount && !known; ++i)
            known = !name.empty() && name == VariableName(i);
        if (!known)
            return static_cast<int>(operand.start);
    }
    return 0;
}

void TCarnoGrid::AnalyzeFormulaString(const std::string& formula) {
    const bool sop = FormulaType == ftSOP;
    const std::string termSeparator = sop ? "+" : "*";
    const std::string literalSeparator = sop ? "*" : "+";
    const std::string value = sop ? "1" : "0";
    if (formula.empty())
        return;
    const std::string text = removeSpaces(formula);
    if (text.size() > kMaxFormula)
        return;

    for (const Piece& term : split(text, termSeparator)) {
        if (term.text.empty())
            continue;
        std::array<Need, 9> need{};
        bool contradicted = false;
        for (const Piece& literal : split(upperAscii(term.text), literalSeparator)) {
            if (literal.text.empty())
                continue;
            const bool negated = literal.text[0] == '|';
            const std::string name = negated ? literal.text.substr(1) : literal.text;
            int variable = 0;
            for (int i = 1; i <= m_variableCount && variable == 0; ++i)
                if (name == VariableName(i))
                    variable = i;
            if (variable == 0)
                continue;
            // A product is true where plain literals are 1; a sum is false where they are 0.
            const Need wanted = (negated != sop) ? Need::One : Need::Zero;
            Need& current = need[static_cast<std::size_t>(variable)];
            if (current == Need::Any)
                current = wanted;
            else if (current != wanted)
                current = Need::Contradicted;
            contradicted = contradicted || current == Need::Contradicted;
        }
        if (contradicted)
            continue;
        for (int c = 1; c <= DataCols(); ++c) {
            for (int r = 1; r <= DataRows(); ++r) {
                const int m = MintermOf(c, r);
                bool matches = true;
                for (int v = 1; v <= m_variableCount && matches; ++v) {
                    const Need n = need[static_cast<std::size_t>(v)];
                    const bool bit = (m >> (m_variableCount - v)) & 1;
                    matches = n == Need::Any || (n == Need::One) == bit;
                }
                if (matches)
                    SetCells(c, r, value);
            }
        }
    }
}
