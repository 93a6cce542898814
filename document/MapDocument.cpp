// The map document: loading by content, saving in a format, and the history of the cells.
#include "document/MapDocument.h"

#include "interchange/Pla.h"
#include "reports/MapFile.h"
#include "support/FileReader.h"
#include "support/TextUtil.h"

#include <string_view>

namespace {

// Enough of a file's start to tell a map file or a PLA text by their content.
constexpr std::size_t kSniffBytes = 4096;

/// The suffix of the file name in `path`, after its last ".": empty when it has none.
std::string_view suffixOf(std::string_view path) {
    const std::string_view name = path.substr(path.find_last_of('/') + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

/// Whether a text starts like a PLA file: its first line that is neither blank nor a comment
/// is a keyword such as ".i".
bool startsLikePla(std::string_view head) {
    for (const std::string& line : fieldsOf(head, '\n')) {
        const std::string_view text = trimmed(line);
        if (text.empty() || text.front() == '#')
            continue;
        return text.front() == '.';
    }
    return false;
}

} // namespace

MapFormat formatOfFileName(const std::string& path) {
    const std::string_view suffix = suffixOf(path);
    if (sameIgnoringCase(suffix, "htm") || sameIgnoringCase(suffix, "html"))
        return MapFormat::Html;
    if (sameIgnoringCase(suffix, "pla"))
        return MapFormat::Pla;
    return MapFormat::Map;
}

MapDocument::MapDocument() : m_history(m_grid, [this](const MapCells& cells) { Restore(cells); }) {}

void MapDocument::Restore(const MapCells& cells) {
    m_grid.Restore(cells);
    if (m_restored)
        m_restored();
}

bool MapDocument::Load(const std::string& path, bool plaExpected,
                       const OutputChooser& chooseOutput) {
    const std::string head = readFileLimited(path, kSniffBytes).bytes;
    const bool pla = !looksLikeMapFile(head) && (startsLikePla(head) || plaExpected ||
                                                 formatOfFileName(path) == MapFormat::Pla);
    if (pla ? !LoadPla(path, chooseOutput) : !m_grid.LoadFromFile(path))
        return false;
    if (!pla)
        RestoreOptionNames();
    m_resultSource.reset();
    m_fileName = path;
    m_fileIsMap = !pla;
    m_history.Reset();
    return true;
}

bool MapDocument::LoadPla(const std::string& path, const OutputChooser& chooseOutput) {
    const auto function = loadPlaOutputs(m_grid, path);
    if (!function)
        return false;
    std::optional<std::size_t> output = 0;
    if (const std::size_t count = function->outputs.size(); count > 1) {
        std::vector<std::string> labels;
        for (std::size_t k = 0; k < count; ++k)
            labels.push_back(function->OutputLabel(k));
        output = chooseOutput(labels);
    }
    if (!output)
        return false;
    // The file's names, when it has usable ones, replace the options' names for its map only.
    RestoreOptionNames();
    applyPla(m_grid, plaOutput(*function, *output));
    return true;
}

MapDocument::ResultSource MapDocument::CurrentSource() const {
    return {m_grid.Snapshot(), m_grid.VariableNames()};
}

void MapDocument::NoteAnalysis(bool accepted) {
    if (accepted)
        m_resultSource = CurrentSource();
    else
        m_resultSource.reset();
}

bool MapDocument::ResultIsCurrent() const {
    return m_resultSource && *m_resultSource == CurrentSource();
}

void MapDocument::SetOptionNames(const std::array<std::string, 8>& names) {
    m_optionNames = names;
    RestoreOptionNames();
}

void MapDocument::RestoreOptionNames() {
    for (std::size_t i = 0; i < m_optionNames.size(); ++i)
        m_grid.SetVariableName(static_cast<int>(i) + 1, m_optionNames[i]);
}

bool MapDocument::Save(const std::string& path, MapFormat format, bool bitPlanes) {
    m_grid.BitSave = bitPlanes;
    switch (format) {
    case MapFormat::Html:
        m_grid.SaveToHTMLFile(path);
        return false;
    case MapFormat::Pla:
        saveMapPla(m_grid, path);
        return false;
    case MapFormat::Map:
        break;
    }
    if (!m_grid.SaveToFile(path))
        return false;
    m_fileName = path;
    m_fileIsMap = true;
    m_history.MarkSaved();
    return true;
}
