// UTF-8 decoding by the well-formed byte sequences of the Unicode standard.
#include "support/Utf8.h"

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

/// The length of the sequence a lead byte starts and the range its second byte must lie in,
/// which excludes overlong forms, surrogates and code points beyond U+10FFFF.
struct Lead {
    std::size_t length;
    unsigned char low;
    unsigned char high;
    char32_t bits;
};

Lead leadOf(unsigned char byte) {
    if (byte >= 0xC2 && byte <= 0xDF)
        return {2, 0x80, 0xBF, byte & 0x1FU};
    if (byte == 0xE0)
        return {3, 0xA0, 0xBF, byte & 0x0FU};
    if (byte == 0xED)
        return {3, 0x80, 0x9F, byte & 0x0FU};
    if (byte >= 0xE1 && byte <= 0xEF)
        return {3, 0x80, 0xBF, byte & 0x0FU};
    if (byte == 0xF0)
        return {4, 0x90, 0xBF, byte & 0x07U};
    if (byte >= 0xF1 && byte <= 0xF3)
        return {4, 0x80, 0xBF, byte & 0x07U};
    if (byte == 0xF4)
        return {4, 0x80, 0x8F, byte & 0x07U};
    return {0, 0, 0, 0};
}

} // namespace

Utf8Char firstUtf8Char(std::string_view text) {
    const auto first = static_cast<unsigned char>(text[0]);
    if (first < 0x80)
        return {first, 1, true};
    const Lead lead = leadOf(first);
    if (lead.length == 0 || text.size() < lead.length)
        return {first, 1, false};
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < lead.low || second > lead.high)
        return {first, 1, false};
    char32_t code = lead.bits;
    for (std::size_t i = 1; i < lead.length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!isContinuation(byte))
            return {first, 1, false};
        code = code << 6 | (byte & 0x3FU);
    }
    return {code, lead.length, true};
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += firstUtf8Char(text.substr(at)).length)
        ++count;
    return count;
}

std::string cutToCharacters(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t taken = 0; taken < count && at < text.size(); ++taken)
        at += firstUtf8Char(text.substr(at)).length;
    return std::string(text.substr(0, at));
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char ch = firstUtf8Char(text.substr(at));
        if (!ch.valid)
            return false;
        at += ch.length;
    }
    return true;
}

bool isControlCharacter(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}
