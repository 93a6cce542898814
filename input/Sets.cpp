// The sets representation: the minterm numbers of the 1, 0 and don't-care cells, and set lists
// read strictly for the command line.
#include "input/Sets.h"

#include "engine/CarnoGrid.h"
#include "support/TextUtil.h"

#include <algorithm>
#include <optional>

namespace {

// Any number above this lies beyond every map; longer digit runs saturate here.
constexpr long kBeyondAnyMap = 1L << 20;

/// The number a run of digits gives, saturated at kBeyondAnyMap; nothing for an empty run or
/// one with anything but digits.
std::optional<long> numberOf(std::string_view digits) {
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    long value = 0;
    for (char ch : digits)
        value = std::min(kBeyondAnyMap, value * 10 + (ch - '0'));
    return value;
}

SetListProblem problem(std::string text) {
    return {false, std::move(text)};
}

/// Adds the minterms of one field to `minterms`, or says what is wrong with it.
std::optional<SetListProblem> readField(const std::string& field, std::size_t place, long highest,
                                        MintermBits& minterms) {
    const std::string where = "field " + std::to_string(place);
    if (field.empty())
        return problem(where + " is empty");
    const std::size_t dash = field.find('-');
    const auto low = numberOf(std::string_view(field).substr(0, dash));
    const auto high =
        dash == std::string::npos ? low : numberOf(std::string_view(field).substr(dash + 1));
    if (!low || !high || *high < *low)
        return problem(where + ", \"" + field + "\", is no minterm number and no range LOW-HIGH " +
                       "with LOW <= HIGH");
    if (*high > highest)
        return problem(std::to_string(*high) + " (" + where + ") lies beyond the map: its " +
                       "minterms are 0 to " + std::to_string(highest));
    for (long m = *low; m <= *high; ++m)
        minterms.set(static_cast<std::size_t>(m));
    return std::nullopt;
}

} // namespace

void TCarnoGrid::MapToSets(std::string& ones, std::string& zeros, std::string& dontCares) const {
    ones.clear();
    zeros.clear();
    dontCares.clear();
    auto append = [](std::string& set, int m) {
        if (!set.empty())
            set += ',';
        set += std::to_string(m);
    };
    for (int c = 1; c <= DataCols(); ++c) {
        for (int r = 1; r <= DataRows(); ++r) {
            const int m = BinaryToByte(RowLabel(r) + ColLabel(c));
            const std::string& text = Cells(c, r);
            if (text == "1")
                append(ones, m);
            else if (text == "0")
                append(zeros, m);
            else if (text == "*")
                append(dontCares, m);
        }
    }
}

std::variant<MintermBits, SetListProblem> readSetList(std::string_view text, int variables) {
    const std::string list = removeSpaces(std::string(text));
    if (list.find_first_not_of("0123456789-,") != std::string::npos)
        return SetListProblem{true, {}};
    const long highest = (1L << variables) - 1;
    MintermBits minterms;
    const std::vector<std::string> fields = fieldsOf(list, ',');
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (auto refused = readField(fields[i], i + 1, highest, minterms))
            return *refused;
    return minterms;
}

void fillMinterms(TCarnoGrid& grid, const MintermBits& minterms, const std::string& value) {
    for (int m = 0; m < 1 << grid.GetVariableCount(); ++m) {
        if (!minterms.test(static_cast<std::size_t>(m)))
            continue;
        const CellPos cell = grid.CellOfMinterm(m);
        grid.SetCells(cell.col, cell.row, value);
    }
}
