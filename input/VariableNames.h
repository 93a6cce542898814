// Variable names as the options dialog, the command line and PLA files set them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// A variable name holds at most this many characters.
inline constexpr std::size_t kMaxNameLength = 10;

/// What follows a name that holds a control character or text that is not UTF-8, in the
/// message the options dialog and the command line show.
inline constexpr std::string_view kNameCharacterProblem = "holds a character that is not allowed.";

/// The name a typed text gives: upper-cased (ASCII letters; the window also upper-cases the
/// others) and cut to kMaxNameLength characters.
[[nodiscard]] std::string variableNameOf(std::string_view typed);

/// True when `name` is well-formed UTF-8 without a control character.
[[nodiscard]] bool nameCharactersAllowed(std::string_view name);

/// Why a formula or a result could not use `name` as the name of a variable: it holds an
/// operator of the formula language ("+", "*", "|") or a space (formulas drop spaces), or it
/// is only digits and so reads as a number ("holds "+", an operator of formulas."). Nothing
/// when it can; an empty name is the options dialog's own refusal and gives nothing here.
[[nodiscard]] std::optional<std::string> formulaNameProblem(std::string_view name);

/// `text` for a message: every control character and every byte that is not UTF-8 shown as
/// "?", so that a message never carries them.
[[nodiscard]] std::string visibleText(std::string_view text);

/// Whether escapedText writes a backslash as "\\" (for text of a file, so that an escape is
/// never mistaken for one) or keeps it (for a text whose escapes were already written).
enum class Backslash { Escaped, Kept };

/// `text` for a message or a terminal: control characters and bytes that are not UTF-8
/// written as escapes ("\x1B", "\u0085", "\xFF"), so that a terminal shows them and none of
/// them acts on it.
[[nodiscard]] std::string escapedText(std::string_view text,
                                      Backslash backslash = Backslash::Escaped);

/// The messages the options dialog shows for the eight names (variables 1 to 8), in its
/// order: "Variable can not bee NULL" for each empty name, then one for each name with a
/// character that is not allowed, then one for each name a formula cannot use
/// (formulaNameProblem), then "Variable: "X"\r\nis redeclarated." for each pair of equal
/// names (i < j, in the order of i and then j; two empty names are equal too). None when the
/// names can be taken.
[[nodiscard]] std::vector<std::string>
variableNameMessages(const std::array<std::string, 8>& names);

/// The eight names once `given` names variables 1, 2, ... in order: the others keep their
/// `current` names, except that a hidden one (of a variable beyond `variables`, the count in
/// use) that another name already holds becomes the first letter from A to Z that no other
/// name holds. So names given for fewer variables than eight never clash with hidden names.
[[nodiscard]] std::array<std::string, 8> namesWithGiven(const std::vector<std::string>& given,
                                                        const std::array<std::string, 8>& current,
                                                        int variables);
