// TStringParcer: splits a text at a delimiter into its non-empty tokens.
#pragma once

#include <string>
#include <vector>

/// Tokenizer for comma-separated lists ("0,2,5-7", "German,Russian"). Kept: the language
/// files and callers know it under this name.
class TStringParcer {
public:
    std::string Text;
    std::vector<std::string> Items;

    /// Splits Text at `delimiter`; runs of delimiters give no tokens. An empty Text leaves
    /// Items as they were.
    void Parse(char delimiter);
};
