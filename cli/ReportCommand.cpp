// The report command of lorvane-cli: analyse the map and write its HTML report.
#include "cli/ReportCommand.h"

#include "reports/Report.h"
#include "support/ProgramPath.h"

#include <algorithm>

namespace {

/// The result tree's captions: the console tree indents the term lines by two spaces.
std::vector<std::string> treeCaptions(const std::vector<std::string>& lines) {
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < lines.size(); ++i)
        captions.push_back(i == 0 ? lines[i]
                                  : lines[i].substr(std::min<std::size_t>(2, lines[i].size())));
    return captions;
}

ReportContent contentOf(const CliOptions& options) {
    ReportContent content;
    content.truthTable = options.Has("truth-table");
    content.map = options.Has("map");
    content.sets = options.Has("sets");
    content.mapEach = options.Has("map-each");
    content.steps = options.Has("steps");
    return content;
}

} // namespace

int reportCommand(CliContext& ctx, const CliOptions& options) {
    if (!analyzeMap(ctx, options))
        return 1;
    ReportRequest request;
    request.content = contentOf(options);
    request.stepsSource = options.Has("exact") ? StepsSource::Exact : StepsSource::Gluing;
    request.treeLines = treeCaptions(ctx.tree.Lines());
    request.programFolder = executableFolder();
    request.outputPath = outputPath(options.arguments.front());
    const ReportResult result = generateReport(ctx.grid, request);
    if (result.error) {
        ctx.grid.Message(*result.error, MsgKind::Error, MsgButtons::Ok);
        return 1;
    }
    return 0;
}
