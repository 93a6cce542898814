// UTF-8 text counted and cut in characters, and checked for what may not stand in a name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// One character read from the front of a text: its code point and its length in bytes. A
/// byte that does not begin a well-formed UTF-8 sequence (cut short, overlong, a surrogate or
/// beyond U+10FFFF) is a character of its own, one byte long and not valid.
struct Utf8Char {
    char32_t code = 0;
    std::size_t length = 1;
    bool valid = false;
};

/// The first character of `text`, which must not be empty.
[[nodiscard]] Utf8Char firstUtf8Char(std::string_view text);

/// The number of characters of `text` (each invalid byte counts as one).
[[nodiscard]] std::size_t characterCount(std::string_view text);

/// The first `count` characters of `text`, never ending inside a character.
[[nodiscard]] std::string cutToCharacters(std::string_view text, std::size_t count);

/// True when `text` is well-formed UTF-8.
[[nodiscard]] bool isValidUtf8(std::string_view text);

/// True for the control characters: U+0000 to U+001F, U+007F and U+0080 to U+009F.
[[nodiscard]] bool isControlCharacter(char32_t code);
