// The function value: output labels, variable names, minterm sets, output lookup and comparison.
#include "engine/function/BooleanFunction.h"

#include <algorithm>
#include <charconv>

namespace {

bool agrees(const std::vector<char>& wanted, const std::vector<char>& read) {
    if (wanted.size() != read.size())
        return false;
    for (std::size_t m = 0; m < wanted.size(); ++m)
        if (wanted[m] != '*' && wanted[m] != read[m])
            return false;
    return true;
}

} // namespace

std::string BooleanFunction::OutputLabel(std::size_t output) const {
    if (output < outputNames.size())
        return outputNames[output];
    return "output " + std::to_string(output + 1);
}

std::vector<std::string> BooleanFunction::VariableNames() const {
    if (!inputNames.empty())
        return inputNames;
    std::vector<std::string> letters;
    for (int i = 0; i < inputs; ++i)
        letters.emplace_back(1, static_cast<char>('A' + i));
    return letters;
}

CellSet BooleanFunction::Minterms(std::size_t output, char value) const {
    CellSet set;
    const std::vector<char>& values = outputs[output];
    for (std::size_t m = 0; m < values.size(); ++m)
        if (values[m] == value)
            set.Insert(static_cast<int>(m));
    return set;
}

std::optional<std::size_t> outputNamed(const BooleanFunction& function, std::string_view selector) {
    const auto named =
        std::find(function.outputNames.begin(), function.outputNames.end(), selector);
    if (named != function.outputNames.end())
        return static_cast<std::size_t>(named - function.outputNames.begin());
    std::size_t number = 0;
    const char* end = selector.data() + selector.size();
    const auto [ptr, ec] = std::from_chars(selector.data(), end, number);
    if (ec != std::errc() || ptr != end || number < 1 || number > function.outputs.size())
        return std::nullopt;
    return number - 1;
}

std::optional<std::size_t> firstDifferingOutput(const BooleanFunction& wanted,
                                                const BooleanFunction& read) {
    if (wanted.inputs != read.inputs || wanted.outputs.size() != read.outputs.size())
        return 0;
    for (std::size_t output = 0; output < wanted.outputs.size(); ++output)
        if (!agrees(wanted.outputs[output], read.outputs[output]))
            return output;
    return std::nullopt;
}
