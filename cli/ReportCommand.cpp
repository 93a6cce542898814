// The report command of lorvane-cli: analyse the map and write its HTML report.
#include "cli/ReportCommand.h"

#include "reports/Report.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace {

/// The result tree's captions: the console tree indents the term lines by two spaces.
std::vector<std::string> TreeCaptions(const std::vector<std::string>& lines) {
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < lines.size(); ++i)
        captions.push_back(i == 0 ? lines[i]
                                  : lines[i].substr(std::min<std::size_t>(2, lines[i].size())));
    return captions;
}

ReportContent ContentOf(const CliOptions& options) {
    ReportContent content;
    content.truthTable = options.Has("truth-table");
    content.map = options.Has("map");
    content.sets = options.Has("sets");
    content.mapEach = options.Has("map-each");
    return content;
}

} // namespace

std::string ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !self.has_parent_path())
        return "./";
    return self.parent_path().string() + "/";
}

int Report(CliContext& ctx, const CliOptions& options) {
    if (options.arguments.size() != 1)
        return UsageError("report expects one output FILE");
    if (!AnalyzeMap(ctx, options.Has("pos")))
        return 1;
    ReportRequest request;
    request.content = ContentOf(options);
    request.treeLines = TreeCaptions(ctx.tree.Lines());
    request.programFolder = ExecutableFolder();
    request.outputPath = options.arguments.front();
    const ReportResult result = GenerateReport(ctx.grid, request);
    if (result.error) {
        ctx.grid.Message(*result.error, MsgKind::Error, MsgButtons::Ok);
        return 1;
    }
    return 0;
}
