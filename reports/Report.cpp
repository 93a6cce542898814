// The HTML report of an analysed map: templates in, one page out.
#include "reports/Report.h"

#include "engine/CarnoGrid.h"
#include "engine/ResultCheck.h"
#include "input/TruthTableData.h"
#include "interchange/StepsText.h"
#include "reports/Template.h"
#include "support/FileWriter.h"
#include "support/ProgramPath.h"
#include "support/TextUtil.h"

#include <filesystem>
#include <system_error>

namespace {

const std::string kTemplateFolder = "Reports/Include/";
const std::string kPageTemplate = "report.inc";
const std::string kCellTemplates[] = {"ttcell1.inc", "ttcell2.inc", "ttcell3.inc"};
const std::string kStepsTemplate = "steps.inc";
const std::string kDefaultOutput = "Reports/report.htm";
constexpr std::size_t kBreakStep = 20;
// Templates are a few kilobytes; a larger one is not a template.
constexpr std::size_t kTemplateLimit = std::size_t{1} << 20;

std::optional<std::string> readTemplate(const std::string& folder, const std::string& name,
                                        std::vector<std::string>& lines) {
    const std::string path = resolveProgramPath(folder, kTemplateFolder + name);
    std::string error;
    const auto text = readWholeFile(path, kTemplateLimit, &error);
    if (!text)
        return error;
    lines = splitLines(*text);
    return std::nullopt;
}

std::string mapFragment(const TCarnoGrid& grid, int termNo) {
    std::vector<std::string> list;
    grid.SaveToHTMLTemp(list, termNo);
    return templateText(list);
}

std::string typeRow(TGlueMethod method) {
    const std::string kind = method == gmDNF ? "<b>D</b>isjunctive <b>N</b>ormal <b>F</b>orm"
                                             : "<b>C</b>onjunctive <b>N</b>ormal <b>F</b>orm";
    return "<table align=\"center\" width=\"100%\" border=\"1\"><tr><td> Type</td><td> " + kind +
           "</td></tr>";
}

std::string setsRows(const TCarnoGrid& grid) {
    std::string ones, zeros, dontCares;
    grid.MapToSets(ones, zeros, dontCares);
    return "<tr><td>Sets representation</td><td>"
           "<tr><td>1</td><td>" +
           breakSetList(ones) + "</td></tr><tr><td>0</td><td>" + breakSetList(zeros) +
           "</td></tr><tr><td>*(Don't Cares)</td><td>" + breakSetList(dontCares) +
           "</td></tr></td></tr>";
}

/// The map's function in a truth table whose captions are the map's variable names.
TTruthTableData mapTruthTable(const TCarnoGrid& grid) {
    const int n = grid.GetVariableCount();
    TTruthTableData table;
    table.SetVariableCount(n);
    for (int i = 1; i <= n; ++i)
        table.ColumnNames[static_cast<std::size_t>(i)] = grid.VariableName(i);
    FunctionTable values;
    grid.MapToTruthTable(values);
    // An empty cell is code 0 in the record; it becomes an empty cell, never a NUL in the page.
    for (std::size_t m = 0; m < values.Values.size(); ++m) {
        const char value = values.Values[m];
        table.SetCell(n, static_cast<int>(m) + 1, value ? std::string(1, value) : std::string());
    }
    return table;
}

std::optional<std::string> truthTableRow(const TCarnoGrid& grid, const ReportRequest& request,
                                         const ReportTemplates& templates, std::string& row) {
    std::vector<std::string> fragment;
    const auto error = mapTruthTable(grid).SaveToHTMLTemplate(
        templates.headerCell, templates.variableCell, templates.functionCell, fragment);
    if (error)
        return "The truth-table templates in \"" +
               resolveProgramPath(request.programFolder, kTemplateFolder) +
               "\" cannot be used: " + *error;
    row = "<tr><p align=\"center\">" + templateText(fragment) + "</tr>";
    return std::nullopt;
}

std::optional<std::string> functionSection(const TCarnoGrid& grid, const ReportRequest& request,
                                           const ReportTemplates& templates, std::string& section) {
    section = typeRow(grid.GlueMethod) + "<tr><td>Number of Variables</td><td>" +
              std::to_string(grid.GetVariableCount()) + "</td></tr>";
    if (request.content.sets)
        section += setsRows(grid);
    if (request.content.truthTable) {
        std::string row;
        if (auto error = truthTableRow(grid, request, templates, row))
            return error;
        section += row;
    }
    section += "</table>";
    return std::nullopt;
}

/// The result formula. A function that is constant over the whole map has an empty result
/// text; its result line shows the constant, and so does the report.
std::string resultFormula(const TCarnoGrid& grid, const std::vector<std::string>& treeLines) {
    if (grid.ResultText.empty() && !treeLines.empty())
        return escapeHtml(treeLines.front());
    return escapeHtml(grid.ResultText);
}

std::string resultSection(const TCarnoGrid& grid, const ReportRequest& request) {
    const std::string map = request.content.map ? mapFragment(grid, -1) : std::string();
    return "<table align=\"center\" width=\"100%\" border=\"1\"><tr><td width=\"50%\">" + map +
           "</td><td width=\"50%\" ><br><p align=\"center\">Y(" +
           escapeHtml(join(grid.VariableNames(), ",")) + ")=\"" +
           resultFormula(grid, request.treeLines) + "\"</td></tr></table>";
}

std::string detailSection(const TCarnoGrid& grid, const ReportRequest& request) {
    if (!request.content.mapEach)
        return {};
    std::string section = "<table cellpadding=\"5\" width=\"100%\" align=\"center\" border=\"1\">";
    const int terms = static_cast<int>(request.treeLines.size()) - 1;
    for (int k = 1; k <= terms; ++k) {
        if (request.selectTerm)
            request.selectTerm(k);
        section += "<tr><td width=\"50%\">" + mapFragment(grid, k - 1) +
                   "</td><td width=\"50%\"><p align=\"center\">Term[" + std::to_string(k) + "]=\"" +
                   escapeHtml(request.treeLines[static_cast<std::size_t>(k)]) + "\"</td></tr>";
    }
    return section + "</table>";
}

/// The steps that lead to the result on show, or why there are none.
std::string stepsFragment(const TCarnoGrid& grid, const ReportRequest& request) {
    const auto steps = grid.CellsValid() && resultFault(grid, grid.ResultTerms()).empty()
                           ? explainResult(grid, grid.ResultTerms(), request.stepsSource)
                           : std::nullopt;
    if (!steps)
        return "<p>The map has changed since the analysis: analyze it again to see the "
               "steps.</p>";
    return stepsHtml(*steps);
}

std::string stepsSection(const TCarnoGrid& grid, const ReportRequest& request,
                         const ReportTemplates& templates) {
    if (!request.content.steps)
        return {};
    const std::string steps = stepsFragment(grid, request);
    if (templates.steps.empty())
        return steps;
    return replacePlaceholder(templateText(templates.steps), "<%STEPS%>", steps);
}

std::optional<std::string> writeReport(const std::string& path, const std::string& text) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    std::error_code error;
    if (!parent.empty() && !std::filesystem::is_directory(parent, error) &&
        !std::filesystem::create_directories(parent, error))
        return "Cannot create the folder \"" + parent.string() +
               "\" for the report: " + error.message();
    return writeFileAtomically(path, text);
}

} // namespace

std::string replacePlaceholder(const std::string& text, const std::string& placeholder,
                               const std::string& section) {
    const std::size_t at = text.find(placeholder);
    if (at == std::string::npos)
        return text;
    // The character after the placeholder goes with it: in a template whose placeholder ends
    // its line, that is the line end's first character.
    const std::size_t rest = std::min(at + placeholder.size() + 1, text.size());
    return text.substr(0, at) + section + text.substr(rest);
}

std::string breakSetList(std::string list) {
    // Positions count from 1 in the growing text; p is the 1-based position to search from.
    for (std::size_t p = kBreakStep; list.size() >= p; p += kBreakStep) {
        const std::size_t comma = list.find(',', p - 1);
        if (comma == std::string::npos)
            break;
        list.insert(comma + 1, "<br>");
    }
    return list;
}

std::optional<std::string> loadReportTemplates(const std::string& programFolder, bool withCells,
                                               ReportTemplates& out) {
    ReportTemplates loaded;
    if (auto error = readTemplate(programFolder, kPageTemplate, loaded.page))
        return error;
    std::vector<std::string>* cells[] = {&loaded.headerCell, &loaded.variableCell,
                                         &loaded.functionCell};
    for (std::size_t i = 0; withCells && i < std::size(cells); ++i)
        if (auto error = readTemplate(programFolder, kCellTemplates[i], *cells[i]))
            return error;
    out = std::move(loaded);
    return std::nullopt;
}

std::optional<std::string> buildReportText(const TCarnoGrid& grid, const ReportRequest& request,
                                           const ReportTemplates& templates, std::string& out) {
    std::string function;
    if (auto error = functionSection(grid, request, templates, function))
        return error;
    std::string text = templateText(templates.page);
    text = replacePlaceholder(text, "<%FUNCTION%>", function);
    text = replacePlaceholder(text, "<%RESULTS%>", resultSection(grid, request));
    text =
        replacePlaceholder(text, "<%ADVDETAILES%>",
                           detailSection(grid, request) + stepsSection(grid, request, templates));
    // The sections' own line breaks become line ends of the file like the template's.
    out = templateText(splitLines(text));
    return std::nullopt;
}

ReportResult generateReport(const TCarnoGrid& grid, const ReportRequest& request) {
    ReportTemplates templates;
    if (auto error =
            loadReportTemplates(request.programFolder, request.content.truthTable, templates))
        return {{}, error};
    if (request.content.steps)
        if (auto error = readTemplate(request.programFolder, kStepsTemplate, templates.steps))
            return {{}, error};
    std::string text;
    if (auto error = buildReportText(grid, request, templates, text))
        return {{}, error};
    const std::string path = request.outputPath.empty()
                                 ? resolveProgramPath(request.programFolder, kDefaultOutput)
                                 : request.outputPath;
    if (auto error = writeReport(path, text))
        return {path, error};
    return {path, std::nullopt};
}
