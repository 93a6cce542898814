// The commands of lorvane-cli.
#include "cli/Commands.h"

#include "cli/AnalyzeExtras.h"
#include "cli/ExplainCommand.h"
#include "cli/FileCommands.h"
#include "cli/InterchangeCommands.h"
#include "cli/MinimizeCommand.h"
#include "cli/ReportCommand.h"
#include "cli/StandardOutput.h"
#include "support/TextUtil.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>

namespace {

int analyzeCommand(CliContext& ctx, const CliOptions& options) {
    if (options.Has("exact") && options.Has("levels"))
        return usageError("--levels lists the gluing's term levels; it does not go with --exact");
    if (!analyzeMap(ctx, options))
        return 1;
    if (options.Has("levels"))
        for (const TLevelItem& level : ctx.grid.TermLevels())
            ctx.out << "LEVEL " << level.size << ' ' << level.terms.size() << '\n';
    for (const std::string& line : ctx.tree.Lines())
        ctx.out << line << '\n';
    return printAnalyzeExtras(ctx, options);
}

int showCommand(CliContext& ctx, const CliOptions&) {
    const TCarnoGrid& grid = ctx.grid;
    const int n = grid.GetVariableCount();
    std::string corner;
    for (int i = 1; i <= n; ++i) {
        if (i == n / 2 + 1)
            corner += "\\";
        corner += grid.VariableName(i);
    }
    std::size_t width = grid.ColLabel(1).size();
    for (int c = 1; c <= grid.DataCols(); ++c)
        for (int r = 1; r <= grid.DataRows(); ++r)
            width = std::max(width, grid.Cells(c, r).size());
    const std::size_t left = std::max(corner.size(), grid.RowLabel(1).size());
    auto pad = [](const std::string& text, std::size_t to) {
        return std::string(to > text.size() ? to - text.size() : 0, ' ') + text;
    };
    ctx.out << pad(corner, left);
    for (int c = 1; c <= grid.DataCols(); ++c)
        ctx.out << ' ' << pad(grid.ColLabel(c), width);
    ctx.out << '\n';
    for (int r = 1; r <= grid.DataRows(); ++r) {
        ctx.out << pad(grid.RowLabel(r), left);
        for (int c = 1; c <= grid.DataCols(); ++c) {
            const std::string& text = grid.Cells(c, r);
            ctx.out << ' ' << pad(text.empty() ? "." : text, width);
        }
        ctx.out << '\n';
    }
    return 0;
}

int setsCommand(CliContext& ctx, const CliOptions&) {
    std::string ones, zeros, dontCares;
    ctx.grid.MapToSets(ones, zeros, dontCares);
    ctx.out << "1: " << ones << "\n0: " << zeros << "\n*: " << dontCares << '\n';
    return 0;
}

// Every command: its name, the FILE arguments it takes, its options besides the map options,
// and its function. A new command is one line here; its options must be in the option table
// of CliOptions.cpp (a new option is one line there).
constexpr CommandEntry kCommands[] = {
    {"analyze", FileArgument::None, "pos levels exact all verify", analyzeCommand},
    {"show", FileArgument::None, "", showCommand},
    {"sets", FileArgument::None, "", setsCommand},
    {"truth", FileArgument::None, "", truthCommand},
    {"save", FileArgument::One, "bit-save", saveCommand},
    {"html", FileArgument::One, "", htmlCommand},
    {"report", FileArgument::One, "truth-table map sets map-each steps pos exact", reportCommand},
    {"pla", FileArgument::One, "result pos exact output", plaCommand},
    {"expr", FileArgument::None, "notation pos exact output", exprCommand},
    {"image", FileArgument::One, "pos exact steps", imageCommand},
    {"explain", FileArgument::None, "pos exact", explainCommand},
    {"minimize", FileArgument::Optional, "exact pos output stats", minimizeCommand, false},
};

/// The part of `text` from where `first` stands up to where `next` stands after it (or the
/// end).
std::string_view sectionOf(std::string_view text, std::string_view first, std::string_view next) {
    const std::size_t start = std::min(text.find(first), text.size());
    const std::size_t end = std::min(text.find(next, start), text.size());
    return text.substr(start, end - start);
}

/// True for the first line of a command's help: two spaces, then the command's name.
bool startsHelpOf(std::string_view line, std::string_view name) {
    const std::string_view rest = line.substr(std::min<std::size_t>(2, line.size()));
    return line.starts_with("  ") && rest.starts_with(name) &&
           (rest.size() == name.size() || rest[name.size()] == ' ');
}

/// The help on `name` in the list of commands, as --help prints it: its synopsis line and the
/// lines indented under it.
std::string commandHelpOf(std::string_view commands, std::string_view name) {
    std::string help;
    bool inside = false;
    for (const std::string& line : splitLines(commands)) {
        if (inside && !line.starts_with("   "))
            break;
        inside = inside || startsHelpOf(line, name);
        if (inside)
            help += line + '\n';
    }
    return help;
}

/// The synopsis of a command from the first line of its help: up to the two spaces that set
/// off the explanation on the same line.
std::string synopsisOf(std::string_view help) {
    const std::string_view line = help.substr(2, help.find('\n') - 2);
    return std::string(line.substr(0, line.find("  ")));
}

} // namespace

bool outputReached(std::ostream& out) {
    if (out.flush())
        return true;
    const auto* buffer = dynamic_cast<const StandardOutputBuffer*>(out.rdbuf());
    const int error = buffer && buffer->Error() ? buffer->Error() : EIO;
    std::cerr << "error: Cannot write to standard output: " << std::strerror(error) << '\n';
    return false;
}

std::span<const CommandEntry> commandTable() {
    return kCommands;
}

int runCommand(CliContext& ctx, const CliOptions& options) {
    const CommandEntry* command = commandNamed(kCommands, options.command);
    if (!command)
        return usageError("unknown command '" + options.command + "'");
    if (command->buildsMap)
        if (const int status = buildMap(ctx, options))
            return status;
    // What the command writes to "-" goes after what was printed before it.
    ctx.out.flush();
    const int status = command->run(ctx, options);
    if (!outputReached(ctx.out) && status == 0)
        return 1;
    return status;
}

std::string commandUsage(std::string_view name) {
    const CommandEntry* command = commandNamed(kCommands, name);
    if (!command)
        return {};
    const std::string_view text = usageText();
    const std::string help = commandHelpOf(sectionOf(text, "\nCommands:\n", "\n\n"), name);
    std::string usage = "usage: lorvane-cli " + synopsisOf(help) +
                        (command->buildsMap ? " [MAP OPTIONS]" : "") + "\n\n" + help;
    if (command->buildsMap)
        usage += '\n' + std::string(sectionOf(text, "The map is built", "\nCommands:\n"));
    return usage;
}

const char* usageText() {
    return R"(lorvane-cli - minimize Boolean functions of 2 to 8 variables with a Karnaugh map

usage: lorvane-cli COMMAND [ARGS] [MAP OPTIONS]

The map is built from the map options, always in this order (every command but minimize
takes them):
  --vars N             number of variables, 2..8 (default 4)
  --map FILE           load a map file; its variable count wins ("-": standard input)
  --pla FILE           load one output of a PLA file (2 to 8 inputs; .ilb names become the
                       variable names); its input count wins ("-": standard input)
  --pla-output NAME|K  the output --pla loads: an .ob name, else its number from 1
                       (default: the first, with a note when the file has more)
  --names A,B,...      variable names (upper-cased, at most 10 characters each; no empty
                       name, no name twice, no control characters, no "+", "*", "|" or
                       space, not only digits); a variable beyond the map whose name is
                       given to another one is renamed
  --ones SET           set cells to "1"; SET lists minterm numbers and ranges: 0,2,5-7
                       (any length; an empty field, a range such as 5-2 or 2-, or a number
                       beyond the map is a usage error)
  --zeros SET          set cells to "0"
  --dc SET             set cells to "*" (don't care)
  --formula TEXT       fill from a formula such as "A*|B+C" ("|" negates)
  --formula-type T     sop (default: products joined by "+") or pos (sums joined by "*")
  --cell C,R=TEXT      set the text of data column C, row R (from 1); repeatable

Commands:
Each command takes the map options and the options shown with it, no others.
  analyze [--pos] [--exact] [--levels] [--all] [--verify]
                       fill empty cells with the non-target value and minimize; prints the
                       result line, then each term on its own line indented by two spaces.
                       --pos gives a product of sums; --levels first prints one line
                       "LEVEL size count" per term level. Exit status 1 if a cell is invalid.
                       --exact uses the exact minimizer instead of the gluing: a cover with
                       the fewest terms, then the fewest literals (a search that takes over a
                       second stops with its best cover and warns that it is not proven
                       minimal; --levels does not go with it).
                       --all then prints every minimum cover, one result line each (the
                       shown one first, at most 1000), and a line "SOLUTIONS n" with their
                       number ("SOLUTIONS at least n" when the count was cut short).
                       --verify finally checks the printed result (and with --all every
                       listed cover) against the map: each term a whole block, no cell in a
                       term that is neither target nor "*", every target cell covered; prints
                       "VERIFY OK", or "VERIFY FAILED: reason" and exits with status 1.
  show                 print the map with its Gray-code labels ("." for an empty cell)
  sets                 print the 1-set, 0-set and don't-care set of the map
  truth                print the truth table: each input combination, a space and the
                       value of its cell (nothing after the space for an empty cell)
  save FILE [--bit-save]
                       write the map file (byte per cell, or two bit planes with --bit-save);
                       exit status 1, and FILE left as it was, if it could not be written or
                       a cell could not be stored: "error: File write error" names FILE and
                       the cell's minterm
  html FILE            write the map as an HTML page
  pla FILE [--output NAME] [--result [--pos] [--exact]]
                       write the map as a PLA file (.type fd: one line per "1" and "*" cell);
                       with --result analyze and write the result's cubes instead (a sum of
                       products as .type f, with --pos a product of sums as .type r).
                       The output (.ob) is named F, or Y or F1, F2, ... when an input has
                       that name; --output NAME names it.
  expr [--notation N] [--output NAME] [--pos] [--exact]
                       analyze and print the result in notation N: plain (default), verilog,
                       vhdl, latex, c, verilog-module or vhdl-entity (a whole module or entity
                       with its ports). A name that is no identifier of the language is
                       written as an escaped identifier (Verilog \name , VHDL \name\) with a
                       note, or refused where the language has none (exit status 1). The
                       output is named as for pla; --output NAME names it (verilog, vhdl and
                       their module and entity forms).
  image FILE [--pos] [--exact] [--steps]
                       analyze and draw the map with the result's groups: FILE.svg gives SVG,
                       FILE.tex a TikZ picture, "-" SVG on standard output (PNG is made by
                       the desktop program), FILE.pdf the printable page with the result line
                       (and with --steps the steps) through the converter rsvg-convert
                       (Debian package librsvg2-bin), which must be on the PATH
  explain [--pos] [--exact]
                       print the steps that lead to the result analyze gives, one per line:
                       "PRIME term cells" for every prime implicant (cells as minterm numbers
                       joined by ","), "ESSENTIAL term cells" with the cells only it covers,
                       "CHART rows cols" for the cover chart left after the essential terms,
                       "REDUCE ROW cell" and "REDUCE COL term" for each row or column dropped
                       by dominance, "CHOOSE term" for each other term of the result,
                       "RESULT text", and "MINIMUM yes", "MINIMUM no n" (a minimum cover has n
                       terms), "MINIMUM no at most n" or "MINIMUM unknown" (the search that
                       proves a minimum stopped after a second)
  minimize [FILE|-] [--exact] [--pos] [-o OUT] [--stats]
                       read a PLA file of any number of outputs (standard input without FILE
                       or for -), minimize every output on a map of its own and write them
                       all as one PLA file to OUT (--output OUT; standard output without -o
                       or for -): a sum of products as .type f, with --pos a product of sums
                       as .type r; a cube several outputs share is written once. The written
                       file is read back and every output compared with the input first: a
                       difference names the output and exits with status 1. --stats prints
                       one line per output on standard error: "NAME: terms T, literals L,
                       minimum proven" (or "not proven"). Takes no map options.
  report FILE [--truth-table] [--map] [--sets] [--map-each] [--steps] [--pos] [--exact]
                       analyze and write the HTML report, built from the templates in the
                       program folder; the switches add the truth table, the map beside the
                       result, the sets, one map per term and the steps

Every command that analyzes takes --pos (a product of sums) and --exact (the exact
minimizer) with the same meaning. A FILE of "-" is standard output.

Files are written whole or not at all: through a temporary file in the same folder that
replaces the old file at once, keeping its permissions; a symbolic link is written through to
its file, a device or FIFO in place; a read-only file is refused and left as it was.

Messages go to standard error as "information: ...", "warning: ..." or "error: ...";
questions are answered OK/Yes. Exit status: 0 done; 1 refused input, a file that could not
be read or written, or output that could not be written (a full disk, a closed standard
output); 2 usage errors: an unknown command or option, an option the command does not take,
a missing or extra argument, an option that takes one value given twice, an empty value, an
empty name in --names, a refused SET.

COMMAND --help prints the usage of that command.

Examples:
  lorvane-cli analyze --vars 3 --ones 2,3,5,7
  lorvane-cli analyze --vars 4 --ones 0-3 --dc 5 --pos
  lorvane-cli analyze --vars 8 --ones 0-255 --levels
  lorvane-cli analyze --exact --all --verify --vars 4 --ones 0,4,5,6,7,11,14 --dc 3,8,10,13
  lorvane-cli show --vars 4 --formula "A*|B+C*D"
  lorvane-cli sets --vars 3 --cell 1,1=1 --cell 2,2=*
  lorvane-cli truth --vars 3 --formula "A*B+C" --formula-type pos
  lorvane-cli save m.lvn --vars 2 --ones 0,3 --dc 1 --bit-save
  lorvane-cli analyze --map m.lvn
  lorvane-cli html map.htm --map m.lvn --names x,y
  lorvane-cli html - --vars 2 --ones 0 | less
  lorvane-cli pla f.pla --vars 4 --ones 0-3 --dc 5
  lorvane-cli analyze --pla f.pla
  cat f.pla | lorvane-cli pla min.pla --result --pla -
  lorvane-cli analyze --exact --pla decoder.pla --pla-output y2
  lorvane-cli minimize decoder.pla --exact --stats -o decoder-min.pla
  lorvane-cli expr --notation verilog --vars 3 --ones 2,3,5,7
  lorvane-cli expr --notation vhdl-entity --output Y --vars 3 --ones 2,3,5,7
  lorvane-cli expr --notation latex --pos --vars 4 --zeros 0,1,4,5,7
  lorvane-cli image map.svg --vars 8 --formula "A*B+|C*D*E+F*|G*H"
  lorvane-cli explain --vars 3 --ones 0,1,2,5,6,7 --exact
  lorvane-cli report out.htm --vars 3 --ones 2,3,5,7 --sets --truth-table --map --map-each
)";
}
