// TStringParcer: splits a text at a delimiter into its non-empty tokens.
#include "input/StringParcer.h"

void TStringParcer::Parse(char delimiter) {
    if (Text.empty())
        return;
    Items.clear();
    std::size_t pos = 0;
    while (pos < Text.size()) {
        if (Text[pos] == delimiter) {
            ++pos;
            continue;
        }
        const std::size_t end = Text.find(delimiter, pos);
        const std::size_t stop = end == std::string::npos ? Text.size() : end;
        Items.push_back(Text.substr(pos, stop - pos));
        pos = stop;
    }
}
