// Fuzz target: formula validation, and both readings of a formula compared with a plain
// evaluation of the Boolean expression at every minterm.
#include "FuzzSupport.h"

#include <array>
#include <cstdint>

namespace {

/// The first input byte: the variable count in its low bits, custom names in bit 3.
struct Setup {
    int variables = 4;
    std::array<std::string, 9> names;
    std::string formula;
};

std::string Upper(std::string text) {
    for (char& ch : text)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return text;
}

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> pieces(1);
    for (char ch : text) {
        if (ch == separator)
            pieces.emplace_back();
        else
            pieces.back() += ch;
    }
    return pieces;
}

Setup ReadSetup(const std::uint8_t* data, std::size_t size) {
    Setup setup;
    for (int i = 1; i <= 8; ++i)
        setup.names[static_cast<std::size_t>(i)] = std::string(1, static_cast<char>('A' + i - 1));
    if (size == 0)
        return setup;
    setup.variables = 2 + data[0] % 7;
    std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    // With bit 3 set, a first line of comma-separated names replaces the default ones.
    if (data[0] & 0x08) {
        const std::size_t end = rest.find('\n');
        const std::vector<std::string> names = SplitAt(rest.substr(0, end), ',');
        for (std::size_t i = 0; i < names.size() && i < 8; ++i)
            setup.names[i + 1] = Upper(names[i]).substr(0, 10);
        rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
    }
    setup.formula = rest;
    return setup;
}

std::string WithoutSpaces(const std::string& text) {
    std::string out;
    for (char ch : text)
        if (ch != ' ')
            out += ch;
    return out;
}

/// Value of a formula whose every operand names a variable, at minterm `m`.
bool Evaluate(const Setup& setup, const std::string& text, bool sop, int m) {
    bool result = !sop;
    for (const std::string& term : SplitAt(text, sop ? '+' : '*')) {
        bool part = sop;
        for (const std::string& literal : SplitAt(term, sop ? '*' : '+')) {
            std::string name = Upper(literal);
            const bool negated = name[0] == '|';
            if (negated)
                name.erase(0, 1);
            int variable = 1;
            while (variable <= setup.variables &&
                   setup.names[static_cast<std::size_t>(variable)] != name)
                ++variable;
            Require(variable <= setup.variables, "a valid operand names a variable");
            const bool bit = (m >> (setup.variables - variable)) & 1;
            part = sop ? part && (bit != negated) : part || (bit != negated);
        }
        result = sop ? result || part : result && part;
    }
    return result;
}

void CheckReading(const Setup& setup, TFormulaType type, bool valid) {
    SilentMessages messages;
    TCarnoGrid grid;
    grid.SetMessageBox(&messages);
    grid.SetVariableCount(setup.variables);
    for (int i = 1; i <= 8; ++i)
        grid.SetVariableName(i, setup.names[static_cast<std::size_t>(i)]);
    grid.FormulaType = type;
    grid.AnalyzeFormulaString(setup.formula);
    const bool sop = type == ftSOP;
    const std::string value = sop ? "1" : "0";
    const std::string text = WithoutSpaces(setup.formula);
    for (int c = 1; c <= TCarnoGrid::kStoreSize; ++c) {
        for (int r = 1; r <= TCarnoGrid::kStoreSize; ++r) {
            const std::string& cell = grid.Cells(c, r);
            if (!OnMap(grid, c, r)) {
                Require(cell.empty(), "cells beyond the map stay empty");
                continue;
            }
            Require(cell.empty() || cell == value, "a formula writes only its own value");
            if (!valid || text.empty())
                continue;
            const bool written = Evaluate(setup, text, sop, grid.MintermOf(c, r)) == sop;
            Require(written == (cell == value), "the cells written are where the formula says");
        }
    }
    Require(messages.shown == 0, "evaluation shows no message");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Setup setup = ReadSetup(data, size);
    TCarnoGrid grid;
    grid.SetVariableCount(setup.variables);
    for (int i = 1; i <= 8; ++i)
        grid.SetVariableName(i, setup.names[static_cast<std::size_t>(i)]);
    const int validation = grid.ValidateFormulaString(setup.formula);
    const auto length = static_cast<int>(WithoutSpaces(setup.formula).size());
    if (validation == TCarnoGrid::kFormulaTooLong)
        Require(length > 255, "only a long formula is too long");
    else
        Require(validation >= 0 && validation <= length + 1 && length <= 255,
                "a refused operand lies within the formula");
    Require(!TCarnoGrid::FormulaMessage(validation).empty(), "every result has a message");
    CheckReading(setup, ftSOP, validation == 0);
    CheckReading(setup, ftPOS, validation == 0);
    return 0;
}
