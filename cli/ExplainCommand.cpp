// The lorvane-cli commands explain and image FILE.pdf.
#include "cli/ExplainCommand.h"

#include "engine/FileMessages.h"
#include "engine/Steps.h"
#include "interchange/PrintPage.h"
#include "interchange/StepsText.h"
#include "support/FileWriter.h"
#include "support/TextUtil.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const char* const kConverter = "rsvg-convert";

/// The converter's path when an executable of that name lies in a folder of the PATH.
std::optional<std::string> findOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    for (const std::string& folder : fieldsOf(path ? path : "", ':')) {
        const fs::path candidate = fs::path(folder) / name;
        std::error_code error;
        if (!folder.empty() && fs::is_regular_file(candidate, error) &&
            access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
    }
    return std::nullopt;
}

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char ch : text)
        quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return quoted + "'";
}

/// A folder of its own for the page files, removed with them when it goes.
class PageFolder {
public:
    PageFolder() {
        std::string pattern = (fs::temp_directory_path() / "lorvane-pages-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~PageFolder() {
        std::error_code ignored;
        if (!m_path.empty())
            fs::remove_all(m_path, ignored);
    }
    PageFolder(const PageFolder&) = delete;
    PageFolder& operator=(const PageFolder&) = delete;
    [[nodiscard]] const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

/// The pages converted to one PDF document; nothing when the converter failed.
std::optional<std::string> convertPages(const std::string& converter,
                                        const std::vector<std::string>& pages) {
    PageFolder folder;
    if (folder.Path().empty())
        return std::nullopt;
    std::string command = shellQuoted(converter) + " -f pdf";
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const fs::path page = folder.Path() / ("page-" + std::to_string(i + 1) + ".svg");
        std::ofstream out(page, std::ios::binary);
        if (!(out << pages[i]) || !out.flush())
            return std::nullopt;
        command.append(" ").append(shellQuoted(page.string()));
    }
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return std::nullopt;
    std::string pdf;
    std::array<char, 8192> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        pdf.append(buffer.data(), n);
    const int status = pclose(pipe);
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || pdf.rfind("%PDF", 0))
        return std::nullopt;
    return pdf;
}

std::optional<Steps> resultSteps(const CliContext& ctx, const CliOptions& options) {
    if (!options.Has("steps"))
        return std::nullopt;
    return explainResult(ctx.grid, ctx.grid.ResultTerms(),
                         options.Has("exact") ? StepsSource::Exact : StepsSource::Gluing);
}

} // namespace

bool isPdfName(const std::string& path) {
    return lowerAscii(fs::path(path).extension().string()) == ".pdf";
}

int explainCommand(CliContext& ctx, const CliOptions& options) {
    if (!ctx.grid.ValidateCells())
        return 1;
    const auto steps =
        explainSteps(ctx.grid, options.Has("pos") ? gmKNF : gmDNF, options.Has("exact"));
    if (!steps)
        return 1;
    for (const std::string& line : stepsLines(*steps))
        ctx.out << line << '\n';
    return 0;
}

int pdfImageCommand(CliContext& ctx, const CliOptions& options, const std::string& file) {
    const auto converter = findOnPath(kConverter);
    if (!converter) {
        ctx.grid.Message("A PDF file needs the converter rsvg-convert on the PATH (Debian "
                         "package librsvg2-bin), or the desktop program's command File > "
                         "Export PDF...",
                         MsgKind::Error, MsgButtons::Ok);
        return 1;
    }
    if (!analyzeMap(ctx, options))
        return 1;
    const std::optional<Steps> steps = resultSteps(ctx, options);
    PrintRequest request;
    request.picture.groups = true;
    request.result = ctx.tree.Lines().empty() ? std::string() : ctx.tree.Lines().front();
    request.steps = steps ? &*steps : nullptr;
    const auto pdf = convertPages(*converter, printPages(ctx.grid, request));
    if (!pdf) {
        ctx.grid.Message("The converter rsvg-convert could not make the PDF file \"" + file + "\".",
                         MsgKind::Error, MsgButtons::Ok);
        return 1;
    }
    return writeText(ctx.grid, file, *pdf) ? 0 : 1;
}
