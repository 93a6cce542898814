// Terms written in the notation of the formula language.
#include "engine/function/TermText.h"

std::string termText(const Cube& cube, const std::vector<std::string>& names, TGlueMethod method) {
    const bool sop = method == gmDNF;
    const int n = static_cast<int>(names.size());
    std::string text;
    bool first = true;
    for (int i = 1; i <= n; ++i) {
        const unsigned bit = 1U << (n - i);
        if (cube.mask & bit)
            continue;
        if (!first)
            text += sop ? "*" : "+";
        first = false;
        // "|" marks a variable that is 0 in a product, 1 in a sum clause.
        const bool one = (cube.value & bit) != 0;
        if (one != sop)
            text += "|";
        text += names[static_cast<std::size_t>(i - 1)];
    }
    return text;
}

const char* termSeparator(TGlueMethod method) {
    return method == gmDNF ? "+" : "*";
}

std::string joinTermTexts(const std::vector<Cube>& cubes, const std::vector<std::string>& names,
                          TGlueMethod method) {
    std::string text;
    for (std::size_t i = 0; i < cubes.size(); ++i) {
        if (i > 0)
            text += termSeparator(method);
        text += termText(cubes[i], names, method);
    }
    return text;
}

std::string resultCaption(const std::vector<Cube>& cubes, const std::vector<std::string>& names,
                          TGlueMethod method) {
    const std::string text = joinTermTexts(cubes, names, method);
    return text.empty() && !cubes.empty() ? targetText(method) : text;
}
