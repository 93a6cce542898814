// PLA files: reading functions of one or more outputs, writing the map and a result.
#include "interchange/Pla.h"

#include "engine/FileMessages.h"
#include "engine/MapFunction.h"
#include "input/VariableNames.h"
#include "support/FileWriter.h"
#include "support/TextUtil.h"
#include "support/Utf8.h"

#include <array>
#include <charconv>
#include <set>

namespace {

constexpr int kMinInputs = 2;
constexpr int kMaxInputs = 8;
// Keeps the per-output bookkeeping of a hostile .o small; real files have a few dozen.
constexpr int kMaxOutputs = 4096;

/// Which sets the cubes of a .type give: ON-set "f", don't-care set "d", OFF-set "r".
struct PlaType {
    bool on = true;
    bool dc = true;
    bool off = false;
};

std::optional<PlaType> typeNamed(std::string_view name) {
    static const std::array<std::pair<std::string_view, PlaType>, 6> kTypes = {{
        {"f", {true, false, false}},
        {"fd", {true, true, false}},
        {"fr", {true, false, true}},
        {"fdr", {true, true, true}},
        {"r", {false, false, true}},
        {"dr", {false, true, true}},
    }};
    for (const auto& [typeName, type] : kTypes)
        if (typeName == name)
            return type;
    return std::nullopt;
}

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\f' || ch == '\v';
}

std::vector<std::string> wordsOf(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            words.emplace_back(line.substr(start, i - start));
    }
    return words;
}

bool parseCount(const std::string& word, int& value) {
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    return ec == std::errc() && ptr == end && value >= 0;
}

std::string inQuotes(std::string_view text) {
    std::string quoted(1, '"');
    quoted.append(text);
    return quoted += '"';
}

/// Text of the file in quotes, for a message: what could act on a terminal is escaped.
std::string quotedFileText(std::string_view text) {
    return inQuotes(escapedText(text));
}

std::string countsDiffer(std::string_view what, std::size_t count, std::string_view keyword,
                         int expected) {
    return "the number of " + std::string(what) + " (" + std::to_string(count) + ") differs from " +
           std::string(keyword) + " (" + std::to_string(expected) + ").";
}

/// The lines of the file that put one minterm into each set (0: none).
struct MintermSource {
    int on = 0;
    int off = 0;
    int dc = 0;
};

/// Reads a PLA text line by line; the first refused line ends the reading.
class PlaReader {
public:
    std::variant<BooleanFunction, PlaError> read(std::string_view text) {
        std::size_t start = 0;
        while (start < text.size() && !m_ended) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            ++m_line;
            if (auto error = readLine(text.substr(start, end - start)))
                return PlaError{m_line, *error};
            start = end + 1;
        }
        return finish();
    }

private:
    using Error = std::optional<std::string>;

    Error readLine(std::string_view line) {
        const std::vector<std::string> words = wordsOf(line.substr(0, line.find('#')));
        if (words.empty())
            return std::nullopt;
        if (words[0][0] == '.')
            return keyword(words);
        return cube(words);
    }

    Error keyword(const std::vector<std::string>& words) {
        const std::string& key = words[0];
        if (key == ".e" || key == ".end") {
            m_ended = true;
            return std::nullopt;
        }
        if (key == ".ilb" || key == ".ob")
            return nameList(words);
        using Handler = Error (PlaReader::*)(const std::string&);
        static const std::array<std::pair<std::string_view, Handler>, 4> kSingleValued = {{
            {".i", &PlaReader::inputCount},
            {".o", &PlaReader::outputCount},
            {".p", &PlaReader::announcedCount},
            {".type", &PlaReader::type},
        }};
        for (const auto& [name, handler] : kSingleValued) {
            if (name != key)
                continue;
            if (words.size() != 2)
                return inQuotes(key) + " expects one value.";
            return (this->*handler)(words[1]);
        }
        return "the keyword " + quotedFileText(key) + " is not understood.";
    }

    Error inputCount(const std::string& value) {
        if (m_inputs)
            return ".i is given twice.";
        int count = 0;
        if (!parseCount(value, count))
            return ".i expects a number, not " + quotedFileText(value) + ".";
        if (count < kMinInputs || count > kMaxInputs)
            return ".i " + value + ": a map holds 2 to 8 inputs.";
        m_inputs = count;
        return std::nullopt;
    }

    Error outputCount(const std::string& value) {
        if (m_outputsGiven)
            return ".o is given twice.";
        if (m_cubes > 0)
            return ".o comes after the first cube; it must come before.";
        if (!parseCount(value, m_outputs) || m_outputs < 1)
            return ".o expects a number of at least 1, not " + quotedFileText(value) + ".";
        if (m_outputs > kMaxOutputs)
            return ".o " + value + ": at most " + std::to_string(kMaxOutputs) +
                   " outputs are read.";
        m_outputsGiven = true;
        return std::nullopt;
    }

    Error announcedCount(const std::string& value) {
        if (m_announcedLine)
            return ".p is given twice.";
        if (!parseCount(value, m_announced))
            return ".p expects a number, not " + quotedFileText(value) + ".";
        m_announcedLine = m_line;
        return std::nullopt;
    }

    Error type(const std::string& value) {
        if (m_typeGiven)
            return ".type is given twice.";
        if (m_cubes > 0)
            return ".type comes after the first cube; it must come before.";
        const auto known = typeNamed(value);
        if (!known)
            return "the type " + quotedFileText(value) +
                   " is not understood; f, fd, fr, fdr, r or dr are.";
        m_type = *known;
        m_typeGiven = true;
        return std::nullopt;
    }

    Error nameList(const std::vector<std::string>& words) {
        const bool inputs = words[0] == ".ilb";
        int& line = inputs ? m_inputNamesLine : m_outputNamesLine;
        if (line)
            return words[0] + " is given twice.";
        line = m_line;
        (inputs ? m_inputNames : m_outputNames).assign(words.begin() + 1, words.end());
        return std::nullopt;
    }

    Error cube(const std::vector<std::string>& words) {
        if (!m_inputs)
            return "a cube comes before .i.";
        const std::string chars = cubeCharacters(words);
        const auto width = static_cast<std::size_t>(m_inputs) + static_cast<std::size_t>(m_outputs);
        if (chars.size() != width)
            return "the cube " + quotedFileText(chars) + " has " + std::to_string(chars.size()) +
                   " characters; .i and .o ask for " + std::to_string(width) + ".";
        const auto inputCount = static_cast<std::size_t>(m_inputs);
        if (const auto bad = chars.find_first_not_of("01-2"); bad < inputCount)
            return "the cube " + quotedFileText(chars) + " holds " +
                   quotedFileText(chars.substr(bad, 1)) +
                   " among its inputs; inputs are 0, 1 or - (also written 2).";
        if (const auto bad = chars.find_first_not_of("01-~234", inputCount);
            bad != std::string::npos)
            return "the cube " + quotedFileText(chars) + " holds " +
                   quotedFileText(chars.substr(bad, 1)) +
                   " among its outputs; outputs are 0, 1, - or ~ (also written 3, 4, 2).";
        ++m_cubes;
        const std::string plain = plainSpelling(chars, inputCount);
        return expand(plain.substr(0, inputCount), plain.substr(inputCount));
    }

    /// The cube's characters without the blanks and "|" that may separate them.
    static std::string cubeCharacters(const std::vector<std::string>& words) {
        std::string chars;
        for (const std::string& word : words)
            for (char ch : word)
                if (ch != '|')
                    chars += ch;
        return chars;
    }

    /// The cube with "2" written "-" and, among the outputs, "4" written "1" and "3" "0".
    static std::string plainSpelling(std::string chars, std::size_t inputCount) {
        for (std::size_t i = 0; i < chars.size(); ++i) {
            const char ch = chars[i];
            if (ch == '2')
                chars[i] = '-';
            else if (i >= inputCount && (ch == '3' || ch == '4'))
                chars[i] = ch == '4' ? '1' : '0';
        }
        return chars;
    }

    /// The minterms of a cube of "0", "1" and "-", in ascending order.
    [[nodiscard]] std::vector<int> mintermsOf(const std::string& inputs) const {
        unsigned care = 0;
        unsigned value = 0;
        for (char ch : inputs) {
            care = care << 1 | (ch != '-');
            value = value << 1 | (ch == '1');
        }
        // (free - open) & open steps through the subsets of the open bits in ascending order.
        const unsigned open = ((1U << m_inputs) - 1) & ~care;
        std::vector<int> minterms;
        unsigned free = 0;
        do {
            minterms.push_back(static_cast<int>(value | free));
            free = (free - open) & open;
        } while (free != 0);
        return minterms;
    }

    /// Puts every minterm of the cube into the set each output names under the type.
    Error expand(const std::string& inputs, const std::string& outputs) {
        if (m_sources.empty())
            allocateSources();
        const std::vector<int> minterms = mintermsOf(inputs);
        for (std::size_t output = 0; output < outputs.size(); ++output)
            if (auto error = expandOutput(minterms, output, outputs[output]))
                return error;
        return std::nullopt;
    }

    Error expandOutput(const std::vector<int>& minterms, std::size_t output, char value) {
        int MintermSource::*set = nullptr;
        if (value == '1' && m_type.on)
            set = &MintermSource::on;
        else if (value == '0' && m_type.off)
            set = &MintermSource::off;
        else if (value == '-' && m_type.dc)
            set = &MintermSource::dc;
        if (!set)
            return std::nullopt;
        for (const int m : minterms) {
            MintermSource& source = m_sources[output][static_cast<std::size_t>(m)];
            if (source.*set == 0)
                source.*set = m_line;
            if (source.on && source.off)
                return "minterm " + std::to_string(m) + ofOutput(output) +
                       " is in the ON-set on line " + std::to_string(source.on) +
                       " and in the OFF-set on line " + std::to_string(source.off) + ".";
        }
        return std::nullopt;
    }

    [[nodiscard]] std::string ofOutput(std::size_t output) const {
        return m_outputs > 1 ? " of output " + std::to_string(output + 1) : "";
    }

    void allocateSources() {
        m_sources.assign(static_cast<std::size_t>(m_outputs),
                         std::vector<MintermSource>(std::size_t{1} << m_inputs));
    }

    std::variant<BooleanFunction, PlaError> finish() {
        if (!m_inputs)
            return PlaError{0, "the file has no .i line."};
        if (m_inputNamesLine && m_inputNames.size() != static_cast<std::size_t>(m_inputs))
            return PlaError{m_inputNamesLine,
                            countsDiffer(".ilb names", m_inputNames.size(), ".i", m_inputs)};
        if (m_outputNamesLine && m_outputNames.size() != static_cast<std::size_t>(m_outputs))
            return PlaError{m_outputNamesLine,
                            countsDiffer(".ob names", m_outputNames.size(), ".o", m_outputs)};
        if (m_announcedLine && m_announced != m_cubes)
            return PlaError{
                m_announcedLine,
                countsDiffer("cubes", static_cast<std::size_t>(m_cubes), ".p", m_announced)};
        if (m_sources.empty())
            allocateSources();
        BooleanFunction function;
        function.inputs = m_inputs;
        function.inputNames = m_inputNames;
        function.outputNames = m_outputNames;
        for (const std::vector<MintermSource>& sources : m_sources) {
            std::vector<char>& values = function.outputs.emplace_back();
            for (const MintermSource& source : sources)
                values.push_back(valueOf(source));
        }
        return function;
    }

    /// A named don't care wins; unnamed minterms take what the type leaves them.
    [[nodiscard]] char valueOf(const MintermSource& source) const {
        if (source.dc)
            return '*';
        if (source.on)
            return '1';
        if (source.off)
            return '0';
        if (!m_type.off)
            return '0';
        return m_type.on ? '*' : '1';
    }

    int m_line = 0;
    bool m_ended = false;
    int m_inputs = 0;
    int m_outputs = 1;
    bool m_outputsGiven = false;
    PlaType m_type;
    bool m_typeGiven = false;
    int m_announced = 0;
    int m_announcedLine = 0;
    int m_cubes = 0;
    std::vector<std::string> m_inputNames;
    int m_inputNamesLine = 0;
    std::vector<std::string> m_outputNames;
    int m_outputNamesLine = 0;
    /// Per output, per minterm: the lines that named it.
    std::vector<std::vector<MintermSource>> m_sources;
};

std::string errorText(const PlaError& error) {
    if (error.line == 0)
        return "Invalid PLA file: " + error.message;
    return "Invalid PLA file, line " + std::to_string(error.line) + ": " + error.message;
}

/// The lines before the cubes; .ilb only when the names can be read back as names.
std::string header(const TCarnoGrid& grid, std::string_view type, std::size_t cubes,
                   const std::string& output) {
    std::string text = ".i " + std::to_string(grid.GetVariableCount()) + "\n.o 1\n";
    const std::vector<std::string> names = grid.VariableNames();
    if (variableNamesProblem(names).empty())
        text += plaNameLine(".ilb", names);
    const std::string name = output.empty() ? freeOutputName(grid) : output;
    return text + ".ob " + name + "\n.type " + std::string(type) + "\n.p " + std::to_string(cubes) +
           "\n";
}

std::string mintermDigits(int minterm, int variables) {
    std::string digits;
    for (int i = variables - 1; i >= 0; --i)
        digits += (minterm >> i & 1) ? '1' : '0';
    return digits;
}

/// Takes the input names as variable names when they are all usable; else a note says why not.
void takeNames(const std::vector<std::string>& inputNames, PlaFunction& function) {
    if (inputNames.empty())
        return;
    std::vector<std::string> names;
    for (const std::string& name : inputNames)
        names.push_back(upperAscii(name));
    const std::string problem = variableNamesProblem(names);
    if (problem.empty())
        function.function.inputNames = std::move(names);
    else
        function.notes.push_back(
            "The input names of the PLA file are not used as variable names: " + problem);
}

/// The first output, with a note when the file has more.
PlaFunction firstOutput(const BooleanFunction& function) {
    PlaFunction first = plaOutput(function, 0);
    const std::size_t outputs = function.outputs.size();
    if (outputs > 1)
        first.notes.push_back(
            "The PLA file has " + std::to_string(outputs) +
            " outputs; the map holds the first one" +
            (function.outputNames.empty() ? "" : ", " + escapedText(function.outputNames[0])) +
            ".");
    return first;
}

std::string noSuchOutput(const BooleanFunction& function, const std::string& selector) {
    std::string text =
        "The PLA file has no output " + quotedFileText(selector) + "; its outputs are ";
    if (function.outputNames.empty())
        return text + "numbered 1 to " + std::to_string(function.outputs.size()) + ".";
    for (std::size_t i = 0; i < function.outputNames.size(); ++i)
        text += (i > 0 ? ", " : "") + escapedText(function.outputNames[i]);
    return text + ".";
}

bool checkOutputName(const TCarnoGrid& grid, const std::string& output) {
    const auto problem = plaOutputNameProblem(grid, output);
    if (problem)
        grid.Message(*problem, MsgKind::Error, MsgButtons::Ok);
    return !problem;
}

} // namespace

std::variant<BooleanFunction, PlaError> parsePlaOutputs(std::string_view text) {
    return PlaReader().read(text);
}

std::variant<PlaFunction, PlaError> parsePla(std::string_view text) {
    auto read = parsePlaOutputs(text);
    if (const auto* error = std::get_if<PlaError>(&read))
        return *error;
    return firstOutput(std::get<BooleanFunction>(read));
}

PlaFunction plaOutput(const BooleanFunction& function, std::size_t output) {
    PlaFunction result;
    result.function.inputs = function.inputs;
    result.function.outputs = {function.outputs[output]};
    takeNames(function.inputNames, result);
    return result;
}

std::variant<BooleanFunction, std::string> readPlaFile(const std::string& path) {
    return plaFromRead(readFileLimited(path, kPlaFileLimit));
}

std::variant<BooleanFunction, std::string> plaFromRead(const FileRead& read) {
    if (read.error)
        return *read.error;
    if (read.truncated)
        return errorText({0, "the file is larger than " + sizeText(kPlaFileLimit) + "."});
    auto parsed = parsePlaOutputs(read.bytes);
    if (const auto* error = std::get_if<PlaError>(&parsed))
        return errorText(*error);
    return std::get<BooleanFunction>(std::move(parsed));
}

std::string variableNamesProblem(const std::vector<std::string>& names) {
    std::set<std::string> seen;
    for (const std::string& name : names) {
        if (name.empty())
            return "a name is empty.";
        if (!nameCharactersAllowed(name))
            return inQuotes(visibleText(name)) + " " + std::string(kNameCharacterProblem);
        if (characterCount(name) > kMaxNameLength)
            return inQuotes(name) + " is longer than 10 characters.";
        for (char ch : name)
            if (ch == '+' || ch == '*' || ch == '|' || ch == '#' || isBlank(ch) || ch == '\n')
                return inQuotes(name) + " holds " + inQuotes(std::string(1, ch)) + ".";
        if (const auto problem = formulaNameProblem(name))
            return inQuotes(name) + " " + *problem;
        if (!seen.insert(name).second)
            return inQuotes(name) + " is named twice.";
    }
    return {};
}

void applyPla(TCarnoGrid& grid, const PlaFunction& function) {
    IResultTree* tree = grid.GetTreeView();
    if (tree && tree->Count() > 0 &&
        grid.Message("Results of analyze will be lost, Continue?", MsgKind::Information,
                     MsgButtons::OkCancel) == MsgAnswer::Ok)
        tree->Clear();
    grid.CleareCard();
    writeOutput(grid, function.function, 0);
    grid.FillState = 2;
    for (const std::string& note : function.notes)
        grid.Message(note, MsgKind::Information, MsgButtons::Ok);
}

std::optional<BooleanFunction> loadPlaOutputs(const TCarnoGrid& grid, const std::string& path) {
    auto read = readPlaFile(path);
    if (const auto* message = std::get_if<std::string>(&read)) {
        grid.Message(*message, MsgKind::Error, MsgButtons::Ok);
        return std::nullopt;
    }
    return std::get<BooleanFunction>(std::move(read));
}

bool loadPla(TCarnoGrid& grid, const std::string& path, const std::string& output) {
    const auto function = loadPlaOutputs(grid, path);
    if (!function)
        return false;
    if (output.empty()) {
        applyPla(grid, firstOutput(*function));
        return true;
    }
    const auto index = outputNamed(*function, output);
    if (!index) {
        grid.Message(noSuchOutput(*function, output), MsgKind::Error, MsgButtons::Ok);
        return false;
    }
    applyPla(grid, plaOutput(*function, *index));
    return true;
}

std::string mapPlaText(const TCarnoGrid& grid, const std::string& output) {
    const int n = grid.GetVariableCount();
    std::string cubes;
    std::size_t count = 0;
    for (int m = 0; m < 1 << n; ++m) {
        const CellPos cell = grid.CellOfMinterm(m);
        const std::string& value = grid.Cells(cell.col, cell.row);
        if (value != "1" && value != "*")
            continue;
        cubes += mintermDigits(m, n) + (value == "1" ? " 1\n" : " -\n");
        ++count;
    }
    return "# Karnaugh map: the \"1\" cells (output 1) and the \"*\" cells (output -); the rest "
           "is 0\n" +
           header(grid, "fd", count, output) + cubes + ".e\n";
}

std::string resultPlaText(const TCarnoGrid& grid, const std::vector<Cube>& cubes,
                          const std::string& output) {
    const bool sop = grid.GlueMethod == gmDNF;
    std::string text = "# F = " + cubesAs(grid, cubes, Notation::Plain) + "\n";
    text += sop ? "# sum of products: every cube is one product term, where F is 1\n"
                : "# product of sums: every cube is where one sum clause, and so F, is 0\n";
    text += header(grid, sop ? "f" : "r", cubes.size(), output);
    for (const Cube& cube : cubes)
        text += cube.Text(grid.GetVariableCount()) + (sop ? " 1\n" : " 0\n");
    return text + ".e\n";
}

std::string plaNameLine(std::string_view keyword, const std::vector<std::string>& names) {
    if (names.empty())
        return {};
    std::string line(keyword);
    for (const std::string& name : names)
        line += " " + name;
    return line + "\n";
}

std::optional<std::string> plaOutputNameProblem(const TCarnoGrid& grid, const std::string& output) {
    if (output.empty())
        return std::nullopt;
    if (const std::string problem = variableNamesProblem({output}); !problem.empty())
        return "The output name cannot be used: " + problem;
    return outputNameProblem(grid, Notation::Plain, output);
}

bool saveMapPla(TCarnoGrid& grid, const std::string& path, const std::string& output) {
    if (!grid.ValidateCells() || !checkOutputName(grid, output))
        return false;
    return writeText(grid, path, mapPlaText(grid, output));
}

bool saveResultPla(const TCarnoGrid& grid, const std::string& path, const std::string& output) {
    const auto cubes = checkedResultCubes(grid);
    if (!cubes || !checkOutputName(grid, output))
        return false;
    return writeText(grid, path, resultPlaText(grid, *cubes, output));
}
