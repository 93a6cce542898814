// Printers of the analysed result: one table of operators per notation, one builder for all.
#include "interchange/Notation.h"

#include "engine/function/TermText.h"
#include "input/VariableNames.h"
#include "support/TextUtil.h"

#include <algorithm>
#include <array>

namespace {

/// How one language writes literals, operators and constants.
struct NotationStyle {
    std::string_view notBefore;
    std::string_view notAfter;
    std::string_view andOp;
    std::string_view orOp;
    std::string_view one;
    std::string_view zero;
    /// Brackets around a product of several literals among several products (SOP).
    bool bracketProducts;
    /// Brackets around a sum of several literals among several sums (POS).
    bool bracketSums;
};

// In the order of the first five Notation values; the module and the entity write as their
// language does.
constexpr std::array<NotationStyle, 5> kStyles = {{
    {"|", "", "*", "+", "1", "0", false, false},
    {"~", "", " & ", " | ", "1'b1", "1'b0", true, true},
    {"not ", "", " and ", " or ", "'1'", "'0'", true, true},
    {"\\overline{", "}", "", " + ", "1", "0", false, true},
    {"!", "", " && ", " || ", "1", "0", true, true},
}};

constexpr std::array<std::string_view, 7> kNotationNames = {
    "plain", "verilog", "vhdl", "latex", "c", "verilog-module", "vhdl-entity"};

// Words a name may not be. Verilog and C match letter case; VHDL does not, and its list also
// holds the names the entity form uses, which a port of that name would hide.
constexpr std::string_view kVerilogWords =
    "always and assign automatic begin buf bufif0 bufif1 case casex casez cell cmos config "
    "deassign default defparam design disable edge else end endcase endconfig endfunction "
    "endgenerate endmodule endprimitive endspecify endtable endtask event for force forever "
    "fork function generate genvar highz0 highz1 if ifnone incdir include initial inout input "
    "instance integer join large liblist library localparam macromodule medium module nand "
    "negedge nmos nor noshowcancelled not notif0 notif1 or output parameter pmos posedge "
    "primitive pull0 pull1 pulldown pullup pulsestyle_ondetect pulsestyle_onevent rcmos real "
    "realtime reg release repeat rnmos rpmos rtran rtranif0 rtranif1 scalared showcancelled "
    "signed small specify specparam strong0 strong1 supply0 supply1 table task time tran "
    "tranif0 tranif1 tri tri0 tri1 triand trior trireg unsigned use uwire vectored wait wand "
    "weak0 weak1 while wire wor xnor xor";
constexpr std::string_view kVhdlWords =
    "abs access after alias all and architecture array assert assume assume_guarantee "
    "attribute begin block body buffer bus case component configuration constant context "
    "cover default disconnect downto else elsif end entity exit fairness file for force "
    "function generate generic group guarded if impure in inertial inout is label library "
    "linkage literal loop map mod nand new next nor not null of on open or others out package "
    "parameter port postponed procedure process property protected pure range record register "
    "reject release rem report restrict restrict_guarantee return rol ror select sequence "
    "severity shared signal sla sll sra srl strong subtype then to transport type unaffected "
    "units until use variable vmode vprop vunit wait when while with xnor xor "
    "ieee std std_logic std_logic_1164 work";
constexpr std::string_view kCWords =
    "alignas alignof auto bool break case char const constexpr continue default do double else "
    "enum extern false float for goto if inline int long nullptr register restrict return "
    "short signed sizeof static static_assert struct switch thread_local true typedef typeof "
    "typeof_unqual union unsigned void volatile while _Alignas _Alignof _Atomic _BitInt _Bool "
    "_Complex _Decimal128 _Decimal32 _Decimal64 _Generic _Imaginary _Noreturn _Static_assert "
    "_Thread_local NULL EOF errno assert";

constexpr std::string_view kEntityName = "kmap";
constexpr std::string_view kArchitectureName = "rtl";

/// The language whose operators and identifiers a notation uses.
Notation language(Notation notation) {
    if (notation == Notation::VerilogModule)
        return Notation::Verilog;
    if (notation == Notation::VhdlEntity)
        return Notation::Vhdl;
    return notation;
}

std::string_view languageName(Notation notation) {
    switch (language(notation)) {
    case Notation::Verilog:
        return "Verilog";
    case Notation::Vhdl:
        return "VHDL";
    default:
        return "C";
    }
}

const NotationStyle& styleOf(Notation notation) {
    return kStyles[static_cast<std::size_t>(language(notation))];
}

bool isWordOf(std::string_view words, std::string_view name, bool ignoreCase) {
    for (std::size_t start = 0; start < words.size();) {
        const std::size_t end = std::min(words.find(' ', start), words.size());
        const std::string_view word = words.substr(start, end - start);
        if (ignoreCase ? sameIgnoringCase(word, name) : word == name)
            return true;
        start = end + 1;
    }
    return false;
}

bool isLetter(char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

bool isLetterOrDigit(char ch) {
    return isLetter(ch) || (ch >= '0' && ch <= '9');
}

bool isVerilogIdentifier(std::string_view name) {
    if (name.empty() || !(isLetter(name[0]) || name[0] == '_'))
        return false;
    for (char ch : name)
        if (!isLetterOrDigit(ch) && ch != '_' && ch != '$')
            return false;
    return !isWordOf(kVerilogWords, name, false);
}

/// A VHDL basic identifier: a letter, then letters and digits with single underscores
/// between them.
bool isVhdlIdentifier(std::string_view name) {
    if (name.empty() || !isLetter(name[0]) || name.back() == '_' ||
        name.find("__") != std::string_view::npos)
        return false;
    for (char ch : name)
        if (!isLetterOrDigit(ch) && ch != '_')
            return false;
    return !isWordOf(kVhdlWords, name, true);
}

/// A C identifier that is no keyword, no common macro and not reserved for the compiler
/// (an underscore followed by a capital or a second underscore, as in __LINE__).
bool isCIdentifier(std::string_view name) {
    if (name.empty() || !(isLetter(name[0]) || name[0] == '_'))
        return false;
    if (name[0] == '_' && name.size() > 1 && (name[1] == '_' || (name[1] >= 'A' && name[1] <= 'Z')))
        return false;
    for (char ch : name)
        if (!isLetterOrDigit(ch) && ch != '_')
            return false;
    return !isWordOf(kCWords, name, false);
}

bool isPlainIdentifier(Notation notation, std::string_view name) {
    switch (language(notation)) {
    case Notation::Verilog:
        return isVerilogIdentifier(name);
    case Notation::Vhdl:
        return isVhdlIdentifier(name);
    case Notation::C:
        return isCIdentifier(name);
    default:
        return true;
    }
}

bool allWithin(std::string_view name, char low, char high) {
    return std::all_of(name.begin(), name.end(), [&](char ch) { return ch >= low && ch <= high; });
}

/// True when a Verilog preprocessor would take part of `name` for a compiler directive or a
/// macro: a backtick starts one anywhere, also inside an escaped identifier.
bool holdsVerilogDirective(std::string_view name) {
    return name.find('`') != std::string_view::npos;
}

/// An escaped identifier for a name that is none: Verilog's "\name " holds printable ASCII
/// without spaces and backticks, VHDL's "\name\" also spaces, with its own backslashes
/// doubled.
std::optional<std::string> escapedIdentifier(Notation notation, const std::string& name) {
    if (name.empty())
        return std::nullopt;
    if (language(notation) == Notation::Verilog && allWithin(name, '!', '~') &&
        !holdsVerilogDirective(name))
        return "\\" + name + " ";
    if (language(notation) != Notation::Vhdl || !allWithin(name, ' ', '~'))
        return std::nullopt;
    std::string escaped = "\\";
    for (char ch : name)
        escaped += ch == '\\' ? std::string("\\\\") : std::string(1, ch);
    return escaped + "\\";
}

/// What the expression printers need: the names of variables 1..n and the kind of result.
struct Naming {
    std::vector<std::string> names;
    TGlueMethod method;

    [[nodiscard]] bool Sop() const { return method == gmDNF; }
    [[nodiscard]] int Variables() const { return static_cast<int>(names.size()); }
};

Naming namingOf(const TCarnoGrid& grid) {
    return {grid.VariableNames(), grid.GlueMethod};
}

bool hasLongName(const Naming& naming) {
    return std::any_of(naming.names.begin(), naming.names.end(),
                       [](const std::string& name) { return name.size() > 1; });
}

std::string_view andOperator(const Naming& naming, Notation notation) {
    // Juxtaposed names of several characters would read as one name.
    if (notation == Notation::Latex && hasLongName(naming))
        return " \\cdot ";
    return styleOf(notation).andOp;
}

std::string nameIn(const std::string& name, Notation notation) {
    return identifierIn(notation, name).value_or(name);
}

/// The literals of a cube: a product true on the cube (SOP) or a clause false on it (POS).
std::vector<std::string> literalsOf(const Naming& naming, const Cube& cube, Notation notation) {
    const NotationStyle& style = styleOf(notation);
    const int n = naming.Variables();
    std::vector<std::string> literals;
    for (int i = 0; i < n; ++i) {
        const unsigned bit = 1U << (n - 1 - i);
        if (cube.mask & bit)
            continue;
        const std::string name = nameIn(naming.names[static_cast<std::size_t>(i)], notation);
        const bool one = (cube.value & bit) != 0;
        literals.push_back(one == naming.Sop()
                               ? name
                               : std::string(style.notBefore) + name + std::string(style.notAfter));
    }
    return literals;
}

std::string termExpression(const Naming& naming, const Cube& cube, Notation notation,
                           bool amongOthers) {
    const std::vector<std::string> literals = literalsOf(naming, cube, notation);
    const std::string_view op =
        naming.Sop() ? andOperator(naming, notation) : styleOf(notation).orOp;
    const std::string text = join(literals, op);
    const bool bracket =
        naming.Sop() ? styleOf(notation).bracketProducts : styleOf(notation).bracketSums;
    if (amongOthers && literals.size() > 1 && bracket)
        return "(" + text + ")";
    return text;
}

std::string constantOf(const Naming& naming, Notation notation, bool whole) {
    const NotationStyle& style = styleOf(notation);
    return std::string(naming.Sop() == whole ? style.one : style.zero);
}

std::string expressionOf(const Naming& naming, const std::vector<Cube>& cubes, Notation notation) {
    if (cubes.empty())
        return constantOf(naming, notation, false);
    std::vector<std::string> terms;
    for (const Cube& cube : cubes) {
        if (cube.Literals(naming.Variables()) == 0)
            return constantOf(naming, notation, true);
        terms.push_back(termExpression(naming, cube, notation, cubes.size() > 1));
    }
    return join(terms, naming.Sop() ? styleOf(notation).orOp : andOperator(naming, notation));
}

/// The names of the variables in use, and any others given, for choosing a free name.
std::vector<std::string> namesInUse(const TCarnoGrid& grid,
                                    std::initializer_list<std::string_view> others = {}) {
    std::vector<std::string> names = grid.VariableNames();
    names.insert(names.end(), others.begin(), others.end());
    return names;
}

bool isTaken(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& taken) { return sameIgnoringCase(taken, name); });
}

/// `base`, or `base` followed by the first number that makes a name not yet taken.
std::string freeName(std::string_view base, const std::vector<std::string>& taken) {
    std::string name(base);
    for (int i = 1; isTaken(taken, name); ++i)
        name = std::string(base) + std::to_string(i);
    return name;
}

std::string verilogModule(const TCarnoGrid& grid, const std::string& output,
                          const std::string& expression) {
    const std::string module = freeName(kEntityName, namesInUse(grid, {output}));
    std::string ports;
    for (int i = 1; i <= grid.GetVariableCount(); ++i)
        ports += "input " + nameIn(grid.VariableName(i), Notation::Verilog) + ", ";
    return "module " + module + "(" + ports + "output " + output + ");\n  assign " + output +
           " = " + expression + ";\nendmodule";
}

std::string vhdlEntity(const TCarnoGrid& grid, const std::string& output,
                       const std::string& expression) {
    const std::string entity = freeName(kEntityName, namesInUse(grid, {output}));
    const std::string architecture =
        freeName(kArchitectureName, namesInUse(grid, {output, entity}));
    std::vector<std::string> inputs;
    for (int i = 1; i <= grid.GetVariableCount(); ++i)
        inputs.push_back(nameIn(grid.VariableName(i), Notation::Vhdl));
    return "library ieee;\nuse ieee.std_logic_1164.all;\n\nentity " + entity + " is\n  port (" +
           join(inputs, ", ") + " : in std_logic; " + output + " : out std_logic);\nend entity " +
           entity + ";\n\narchitecture " + architecture + " of " + entity + " is\nbegin\n  " +
           output + " <= " + expression + ";\nend architecture " + architecture + ";";
}

std::string unwritableReason(Notation notation, std::string_view name) {
    if (language(notation) == Notation::Verilog && holdsVerilogDirective(name))
        return "a backtick starts a compiler directive, also in an escaped identifier";
    return "it is no identifier there";
}

/// Refuses a name the notation cannot hold and notes each name it writes escaped; false after
/// a refusal.
bool checkNames(const TCarnoGrid& grid, Notation notation) {
    if (notation == Notation::Plain || notation == Notation::Latex)
        return true;
    for (int i = 1; i <= grid.GetVariableCount(); ++i) {
        const std::string& name = grid.VariableName(i);
        if (isPlainIdentifier(notation, name))
            continue;
        const auto identifier = identifierIn(notation, name);
        if (!identifier) {
            grid.Message("The variable name \"" + visibleText(name) + "\" cannot be written in " +
                             std::string(languageName(notation)) + ": " +
                             unwritableReason(notation, name) + ". Rename the variable.",
                         MsgKind::Error, MsgButtons::Ok);
            return false;
        }
        grid.Message(
            "The variable name \"" + name + "\" is no " + std::string(languageName(notation)) +
                " identifier; it is written as the escaped identifier " + *identifier + ".",
            MsgKind::Information, MsgButtons::Ok);
    }
    return true;
}

} // namespace

std::optional<Notation> notationNamed(std::string_view name) {
    for (std::size_t i = 0; i < kNotationNames.size(); ++i)
        if (kNotationNames[i] == name)
            return static_cast<Notation>(i);
    return std::nullopt;
}

std::optional<Cube> termCube(const TCarnoGrid& grid, const TTermItem& term) {
    CellSet seen;
    CellSet minterms;
    for (const TCellItem& cell : term.cells) {
        if (cell.col < 1 || cell.col > grid.DataCols() || cell.row < 1 ||
            cell.row > grid.DataRows())
            return std::nullopt;
        const int index = CellSet::Index(cell.col, cell.row);
        if (seen.Contains(index))
            return std::nullopt;
        seen.Insert(index);
        minterms.Insert(grid.MintermOf(cell.col, cell.row));
    }
    return Cube::Of(minterms, grid.GetVariableCount());
}

std::optional<std::vector<Cube>> resultCubes(const TCarnoGrid& grid) {
    std::vector<Cube> cubes;
    for (const TTermItem& term : grid.ResultTerms()) {
        const auto cube = termCube(grid, term);
        if (!cube)
            return std::nullopt;
        cubes.push_back(*cube);
    }
    // The result line was written at the analysis; it reads otherwise when the variable count,
    // the names or the kind of result changed since.
    if (joinTermTexts(cubes, grid.VariableNames(), grid.GlueMethod) != grid.ResultText)
        return std::nullopt;
    return cubes;
}

std::optional<std::vector<Cube>> checkedResultCubes(const TCarnoGrid& grid) {
    auto cubes = resultCubes(grid);
    if (!cubes)
        grid.Message("The variables have changed since the last analysis; analyze again.",
                     MsgKind::Information, MsgButtons::Ok);
    return cubes;
}

std::optional<std::string> resultAs(const TCarnoGrid& grid, Notation notation,
                                    const std::string& output) {
    const auto cubes = checkedResultCubes(grid);
    if (!cubes)
        return std::nullopt;
    if (!output.empty())
        if (const auto problem = outputNameProblem(grid, notation, output)) {
            grid.Message(*problem, MsgKind::Error, MsgButtons::Ok);
            return std::nullopt;
        }
    if (!checkNames(grid, notation))
        return std::nullopt;
    return cubesAs(grid, *cubes, notation, output);
}

std::string cubesExpression(const std::vector<std::string>& names, TGlueMethod method,
                            const std::vector<Cube>& cubes, Notation notation) {
    return expressionOf({names, method}, cubes, notation);
}

std::string cubesAs(const TCarnoGrid& grid, const std::vector<Cube>& cubes, Notation notation,
                    const std::string& output) {
    const std::string expression = expressionOf(namingOf(grid), cubes, notation);
    const std::string name = output.empty() ? freeOutputName(grid) : output;
    switch (notation) {
    case Notation::Verilog:
        return "assign " + name + " = " + expression + ";";
    case Notation::Vhdl:
        return name + " <= " + expression + ";";
    case Notation::VerilogModule:
        return verilogModule(grid, name, expression);
    case Notation::VhdlEntity:
        return vhdlEntity(grid, name, expression);
    default:
        return expression;
    }
}

std::string termAs(const TCarnoGrid& grid, const Cube& cube, Notation notation) {
    const Naming naming = namingOf(grid);
    if (cube.Literals(naming.Variables()) == 0)
        return constantOf(naming, notation, true);
    return termExpression(naming, cube, notation, false);
}

std::string latexName(const std::string& name) {
    std::string escaped;
    for (char ch : name) {
        switch (ch) {
        case '\\':
            escaped += "\\backslash{}";
            break;
        case '~':
            escaped += "\\sim{}";
            break;
        case '^':
            escaped += "\\hat{}";
            break;
        case '{':
        case '}':
        case '_':
        case '#':
        case '$':
        case '%':
        case '&':
            escaped += '\\';
            escaped += ch;
            break;
        default:
            escaped += ch;
        }
    }
    return name.size() > 1 ? "\\mathit{" + escaped + "}" : escaped;
}

std::optional<std::string> identifierIn(Notation notation, const std::string& name) {
    if (notation == Notation::Latex)
        return latexName(name);
    if (isPlainIdentifier(notation, name))
        return name;
    return escapedIdentifier(notation, name);
}

std::string freeOutputName(const TCarnoGrid& grid) {
    const std::vector<std::string> taken = namesInUse(grid);
    return isTaken(taken, "F") && !isTaken(taken, "Y") ? "Y" : freeName("F", taken);
}

std::optional<std::string> outputNameProblem(const TCarnoGrid& grid, Notation notation,
                                             const std::string& output) {
    if (!isPlainIdentifier(notation, output) || output.empty())
        return "The output name \"" + visibleText(output) + "\" is no " +
               std::string(languageName(notation)) + " identifier.";
    if (isTaken(namesInUse(grid), output))
        return "The output name \"" + output + "\" is the name of an input.";
    return std::nullopt;
}
