// Set lists of the command line ("0,2,5-7") read strictly, and the map filled from them.
#pragma once

#include <bitset>
#include <string>
#include <string_view>
#include <variant>

class TCarnoGrid;

/// The minterms a set list names, one bit each (bit m for minterm m).
using MintermBits = std::bitset<256>;

/// Why a set list was refused.
struct SetListProblem {
    /// The text holds a character other than digits, "-", "," and spaces: the sets dialog's
    /// "Invalid symbol in string." says so.
    bool invalidSymbol = false;
    /// The field and what is wrong with it ("field 2 is empty", "256 lies beyond the map:
    /// its minterms are 0 to 255"); empty for an invalid symbol.
    std::string text;
};

/// Reads a set list for a map of `variables` variables: fields joined by ",", each a minterm
/// number or a range LOW-HIGH with LOW <= HIGH; spaces are left out first, as the sets dialog
/// does. Unlike the dialog, it takes lists of any length and refuses an empty field, a
/// malformed range ("5-2", "2-", "-") and a number beyond the map instead of passing over
/// them.
[[nodiscard]] std::variant<MintermBits, SetListProblem> readSetList(std::string_view text,
                                                                    int variables);

/// Writes `value` into the cell of every minterm in `minterms` that lies on the map.
void fillMinterms(TCarnoGrid& grid, const MintermBits& minterms, const std::string& value);
