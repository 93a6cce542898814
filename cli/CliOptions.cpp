// Command-line parsing of lorvane-cli: one table of options, checked against the commands.
#include "cli/CliOptions.h"

#include "support/TextUtil.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace {

/// Stores an option's value; returns a usage error when the value is refused.
using Store = std::optional<std::string> (*)(CliOptions&, const std::string&);

bool parseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

std::optional<std::string> storeVars(CliOptions& out, const std::string& value) {
    if (!parseInt(value, out.vars) || out.vars < 2 || out.vars > 8)
        return "--vars expects a number from 2 to 8";
    return std::nullopt;
}

std::optional<std::string> storeFormulaType(CliOptions& out, const std::string& value) {
    if (value != "sop" && value != "pos")
        return "--formula-type expects sop or pos";
    out.formulaType = value;
    return std::nullopt;
}

std::optional<std::string> storeCell(CliOptions& out, const std::string& value) {
    const auto comma = value.find(',');
    const auto equals = value.find('=');
    if (comma == std::string::npos || equals == std::string::npos || equals < comma)
        return "--cell expects C,R=TEXT";
    CellOption cell;
    if (!parseInt(value.substr(0, comma), cell.col) ||
        !parseInt(value.substr(comma + 1, equals - comma - 1), cell.row))
        return "--cell expects whole numbers for column and row";
    cell.text = value.substr(equals + 1);
    out.cells.push_back(cell);
    return std::nullopt;
}

template <std::optional<std::string> CliOptions::*Member>
std::optional<std::string> storeText(CliOptions& out, const std::string& value) {
    out.*Member = value;
    return std::nullopt;
}

/// How an option takes a value.
enum class Takes {
    Nothing,   ///< a switch, kept in CliOptions::flags
    OneValue,  ///< given at most once
    EachValue, ///< repeatable, every value kept
};

struct OptionRule {
    std::string_view name;
    Takes takes;
    Store store;
};

// Every option of lorvane-cli. A new option is one row here; unless it is a map option (in
// kMapOptions, taken by every command), also name it in the `options` of the commands that
// take it (the command table in Commands.cpp).
constexpr OptionRule kOptions[] = {
    {"vars", Takes::OneValue, storeVars},
    {"map", Takes::OneValue, storeText<&CliOptions::mapFile>},
    {"pla", Takes::OneValue, storeText<&CliOptions::plaFile>},
    {"pla-output", Takes::OneValue, storeText<&CliOptions::plaOutput>},
    {"names", Takes::OneValue, storeText<&CliOptions::names>},
    {"ones", Takes::OneValue, storeText<&CliOptions::ones>},
    {"zeros", Takes::OneValue, storeText<&CliOptions::zeros>},
    {"dc", Takes::OneValue, storeText<&CliOptions::dontCares>},
    {"formula", Takes::OneValue, storeText<&CliOptions::formula>},
    {"formula-type", Takes::OneValue, storeFormulaType},
    {"cell", Takes::EachValue, storeCell},
    {"notation", Takes::OneValue, storeText<&CliOptions::notation>},
    {"output", Takes::OneValue, storeText<&CliOptions::output>},
    {"help", Takes::Nothing, nullptr},
    {"pos", Takes::Nothing, nullptr},
    {"exact", Takes::Nothing, nullptr},
    {"levels", Takes::Nothing, nullptr},
    {"all", Takes::Nothing, nullptr},
    {"verify", Takes::Nothing, nullptr},
    {"bit-save", Takes::Nothing, nullptr},
    {"result", Takes::Nothing, nullptr},
    {"truth-table", Takes::Nothing, nullptr},
    {"sets", Takes::Nothing, nullptr},
    {"map-each", Takes::Nothing, nullptr},
    {"stats", Takes::Nothing, nullptr},
    {"steps", Takes::Nothing, nullptr},
};

// Options with a short name: "-o OUT" is "--output OUT".
constexpr std::pair<std::string_view, std::string_view> kShortOptions[] = {{"-o", "output"}};

constexpr std::string_view kMapOptions =
    "vars map pla pla-output names ones zeros dc formula formula-type cell help";

bool listed(std::string_view list, std::string_view name) {
    const std::vector<std::string> words = fieldsOf(list, ' ');
    return std::find(words.begin(), words.end(), name) != words.end();
}

const OptionRule* optionNamed(std::string_view name) {
    const auto it = std::find_if(std::begin(kOptions), std::end(kOptions),
                                 [&](const OptionRule& rule) { return rule.name == name; });
    return it == std::end(kOptions) ? nullptr : &*it;
}

/// Reads the arguments one by one; the command is the first argument that is no option.
class Parser {
public:
    Parser(const std::vector<std::string>& args, std::span<const CommandEntry> commands,
           CliOptions& out)
        : m_args(args), m_commands(commands), m_out(out) {}

    std::optional<std::string> run() {
        for (m_at = 0; m_at < m_args.size(); ++m_at)
            if (auto error = argument(m_args[m_at]))
                return error;
        return m_out.help ? checkHelpCommand() : checkCommand();
    }

private:
    std::optional<std::string> argument(const std::string& arg) {
        if (arg.rfind("--", 0) == 0 && arg.size() > 2)
            return option(arg.substr(2));
        for (const auto& [shortName, name] : kShortOptions)
            if (arg == shortName)
                return option(std::string(name));
        if (arg.size() > 1 && arg[0] == '-')
            return "unknown option " + arg;
        if (m_out.command.empty())
            m_out.command = arg;
        else
            m_out.arguments.push_back(arg);
        return std::nullopt;
    }

    std::optional<std::string> option(std::string name) {
        std::optional<std::string> value;
        if (const auto equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const OptionRule* rule = optionNamed(name);
        if (!rule)
            return "unknown option --" + name;
        if (rule->takes == Takes::Nothing) {
            if (value)
                return "--" + name + " takes no value";
            return remember(name, *rule);
        }
        if (!value && bareMapSwitch(name)) {
            m_out.flags.insert(name);
            return std::nullopt;
        }
        if (!value) {
            if (m_at + 1 >= m_args.size())
                return "--" + name + " expects a value";
            value = m_args[++m_at];
        }
        if (value->empty())
            return "--" + name + " expects a value; it is empty";
        if (auto error = remember(name, *rule))
            return error;
        return rule->store(m_out, *value);
    }

    /// For a command that lists "map" among its options, a --map without a value after it is
    /// that command's switch, not a map file.
    [[nodiscard]] bool bareMapSwitch(const std::string& name) const {
        const CommandEntry* command = commandNamed(m_commands, m_out.command);
        const bool valueFollows = m_at + 1 < m_args.size() && m_args[m_at + 1].rfind("--", 0) != 0;
        return name == "map" && command && listed(command->options, "map") && !valueFollows;
    }

    std::optional<std::string> remember(const std::string& name, const OptionRule& rule) {
        if (rule.takes == Takes::OneValue && m_given.count(name))
            return "--" + name + " is given twice";
        m_given.insert(name);
        if (rule.takes == Takes::Nothing)
            m_out.flags.insert(name);
        m_out.help = m_out.help || name == "help";
        return std::nullopt;
    }

    /// With --help, a command is optional, but one that is given must exist.
    [[nodiscard]] std::optional<std::string> checkHelpCommand() const {
        if (m_out.command.empty() || commandNamed(m_commands, m_out.command))
            return std::nullopt;
        return "unknown command '" + m_out.command + "'";
    }

    [[nodiscard]] std::optional<std::string> checkCommand() const {
        if (m_out.command.empty())
            return "no command given";
        const CommandEntry* command = commandNamed(m_commands, m_out.command);
        if (!command)
            return "unknown command '" + m_out.command + "'";
        const std::size_t most = command->file == FileArgument::None ? 0 : 1;
        if (m_out.arguments.size() > most)
            return m_out.command + " does not take the argument '" + m_out.arguments[most] + "'";
        if (m_out.arguments.empty() && command->file == FileArgument::One)
            return m_out.command + " expects one FILE";
        for (const std::string& name : m_given) {
            const bool mapOption = listed(kMapOptions, name) && command->buildsMap;
            if (!mapOption && name != "help" && !listed(command->options, name))
                return "--" + name + " is not an option of " + m_out.command;
        }
        return std::nullopt;
    }

    const std::vector<std::string>& m_args;
    std::span<const CommandEntry> m_commands;
    CliOptions& m_out;
    std::size_t m_at = 0;
    std::set<std::string> m_given;
};

} // namespace

const CommandEntry* commandNamed(std::span<const CommandEntry> commands, std::string_view name) {
    const auto it = std::find_if(commands.begin(), commands.end(),
                                 [&](const CommandEntry& entry) { return entry.name == name; });
    return it == commands.end() ? nullptr : &*it;
}

std::optional<std::string> parseCommandLine(const std::vector<std::string>& args,
                                            std::span<const CommandEntry> commands,
                                            CliOptions& out) {
    return Parser(args, commands, out).run();
}
