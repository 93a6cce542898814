// The HTML report of an analysed map: templates in, one page out.
//
// A report is the page template "Reports/Include/report.inc" with three sections put in place
// of its placeholders, in this order:
//   <%FUNCTION%>     kind of result, variable count, optionally the sets and the truth table
//   <%RESULTS%>      optionally the map, beside Y(names)="result"
//   <%ADVDETAILES%>  optionally one row per result term: its map with the term coloured
// With the steps switched on, the page template's detail section ends with the steps of the
// minimization, put into "steps.inc" in place of its placeholder <%STEPS%>. Each placeholder is
// replaced together with the one character that follows it (the line end when it ends its
// line). The truth table's cells are formatted through the cell templates
// "ttcell1.inc" (header), "ttcell2.inc" (variable) and "ttcell3.inc" (function value).
#pragma once

#include "engine/Steps.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TCarnoGrid;

/// The four content switches of the report dialog; all off at program start.
struct ReportContent {
    bool truthTable = false; ///< "Include Truth Table"
    bool map = false;        ///< "Include Karnaugh Map"
    bool sets = false;       ///< "Include Set's"
    bool mapEach = false;    ///< "Include Map for  Each Term"
    bool steps = false;      ///< "Include Steps": prime implicants, essential terms, choices
};

/// Everything a report is made from besides the map itself.
struct ReportRequest {
    ReportContent content;
    /// Captions of the result tree: the root line first, then one line per term.
    std::vector<std::string> treeLines;
    /// The program folder; the templates are read below it (letter case does not matter).
    std::string programFolder;
    /// Where the report goes; empty means "Reports/report.htm" below the program folder.
    std::string outputPath;
    /// Called with k = 1 .. number of terms just before term k's map is built, so that the
    /// window can select that term's line (and with it the highlight on the map).
    std::function<void(int k)> selectTerm;
    /// Where the result came from, for the wording of the steps.
    StepsSource stepsSource = StepsSource::Shown;
};

/// Outcome of a generation: the file written, or a message for the user and nothing written.
struct ReportResult {
    std::string path;
    std::optional<std::string> error;
};

/// Reads the templates, builds the report and writes it with CR LF line ends (through a
/// temporary file, creating the output folder if needed). A missing template, a cell template
/// with a directive other than one "%s", or an output file that cannot be written gives an
/// error and leaves any earlier report as it was.
[[nodiscard]] ReportResult generateReport(const TCarnoGrid& grid, const ReportRequest& request);

// --- the steps, for callers that hold the templates themselves ------------------------------

/// The texts the report is assembled from, one entry per line of each file.
struct ReportTemplates {
    std::vector<std::string> page;
    std::vector<std::string> headerCell;
    std::vector<std::string> variableCell;
    std::vector<std::string> functionCell;
    /// The frame of the steps section; the steps alone when empty.
    std::vector<std::string> steps;
};

/// Reads the page template and, when `withCells`, the three cell templates below the program
/// folder (the steps template is read by generateReport when the steps are asked for).
/// Returns an error naming the first file that cannot be read.
[[nodiscard]] std::optional<std::string> loadReportTemplates(const std::string& programFolder,
                                                             bool withCells, ReportTemplates& out);

/// Builds the report text (line ends CR LF) into `out`. Returns an error, leaving `out`
/// untouched, when a cell template cannot be formatted.
[[nodiscard]] std::optional<std::string> buildReportText(const TCarnoGrid& grid,
                                                         const ReportRequest& request,
                                                         const ReportTemplates& templates,
                                                         std::string& out);

/// `text` with its first `placeholder` and the one character after it replaced by `section`;
/// unchanged when the placeholder does not occur.
[[nodiscard]] std::string replacePlaceholder(const std::string& text,
                                             const std::string& placeholder,
                                             const std::string& section);

/// A comma-separated list with "<br>" after the first comma at or beyond every 20th
/// character, so that long sets wrap in the report.
[[nodiscard]] std::string breakSetList(std::string list);
