// Command-line parsing of lorvane-cli.
#include "cli/CliOptions.h"

#include <charconv>
#include <map>

namespace {

// Switches that take no value; `--map` is one of them only for the report command.
const std::set<std::string> kFlags = {"pos",      "levels", "bit-save", "truth-table", "sets",
                                      "map-each", "exact",  "all",      "verify",      "result",
                                      "help",     "stats",  "steps"};

bool parseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

std::optional<std::string> parseCell(const std::string& value, CellOption& cell) {
    const auto comma = value.find(',');
    const auto equals = value.find('=');
    if (comma == std::string::npos || equals == std::string::npos || equals < comma)
        return "--cell expects C,R=TEXT";
    if (!parseInt(value.substr(0, comma), cell.col) ||
        !parseInt(value.substr(comma + 1, equals - comma - 1), cell.row))
        return "--cell expects whole numbers for column and row";
    cell.text = value.substr(equals + 1);
    return std::nullopt;
}

std::optional<std::string> applyValue(const std::string& name, const std::string& value,
                                      CliOptions& out) {
    if (name == "vars") {
        if (!parseInt(value, out.vars) || out.vars < 2 || out.vars > 8)
            return "--vars expects a number from 2 to 8";
        return std::nullopt;
    }
    if (name == "formula-type") {
        if (value != "sop" && value != "pos")
            return "--formula-type expects sop or pos";
        out.formulaType = value;
        return std::nullopt;
    }
    if (name == "cell") {
        CellOption cell;
        if (auto error = parseCell(value, cell))
            return error;
        out.cells.push_back(cell);
        return std::nullopt;
    }
    const std::map<std::string, std::optional<std::string>*> texts = {
        {"map", &out.mapFile},       {"pla", &out.plaFile},
        {"notation", &out.notation}, {"pla-output", &out.plaOutput},
        {"output", &out.output},     {"names", &out.names},
        {"ones", &out.ones},         {"zeros", &out.zeros},
        {"dc", &out.dontCares},      {"formula", &out.formula}};
    const auto it = texts.find(name);
    if (it == texts.end())
        return "unknown option --" + name;
    *it->second = value;
    return std::nullopt;
}

} // namespace

std::optional<std::string> parseCommandLine(const std::vector<std::string>& args, CliOptions& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o") {
            if (i + 1 >= args.size())
                return "-o expects a value";
            out.output = args[++i];
            continue;
        }
        if (arg.rfind("--", 0) != 0 || arg.size() == 2) {
            if (out.command.empty())
                out.command = arg;
            else
                out.arguments.push_back(arg);
            continue;
        }
        std::string name = arg.substr(2);
        std::optional<std::string> value;
        if (const auto equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (kFlags.count(name)) {
            if (value)
                return "--" + name + " takes no value";
            out.flags.insert(name);
            out.help = out.help || name == "help";
            continue;
        }
        // For the report command a bare --map asks for the map in the report.
        const bool nextIsValue = i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0;
        if (name == "map" && !value && out.command == "report" && !nextIsValue) {
            out.flags.insert("map");
            continue;
        }
        if (!value) {
            if (i + 1 >= args.size())
                return "--" + name + " expects a value";
            value = args[++i];
        }
        if (auto error = applyValue(name, *value, out))
            return error;
    }
    return std::nullopt;
}
