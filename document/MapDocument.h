// MapDocument: the map the program edits, with the file it came from, its modified state and
// its undo history.
#pragma once

#include "document/MapHistory.h"
#include "engine/CarnoGrid.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

/// The formats a map is saved in.
enum class MapFormat : std::uint8_t {
    Map,  ///< the map file, which a load reads back whole
    Html, ///< the map as a page
    Pla,  ///< the map's function as a PLA file
};

/// The format a file name asks for when the user picked no format: ".htm" and ".html" a page,
/// ".pla" a PLA file (the suffix in any letter case), anything else the map file.
[[nodiscard]] MapFormat formatOfFileName(const std::string& path);

/// Picks one output of a PLA file from their labels (its .ob names, else "output K"): its
/// index from 0, or nothing to cancel the load.
using OutputChooser = std::function<std::optional<std::size_t>(const std::vector<std::string>&)>;

/// Owns the map (TCarnoGrid) that views observe and commands change. It knows the file the map
/// was last loaded from or saved to and whether that file holds the map file format, keeps
/// the undo history of the cells, and tells whether the map has changes no file holds.
class MapDocument {
public:
    MapDocument();
    MapDocument(const MapDocument&) = delete;
    MapDocument& operator=(const MapDocument&) = delete;

    [[nodiscard]] TCarnoGrid& Grid() { return m_grid; }
    [[nodiscard]] const TCarnoGrid& Grid() const { return m_grid; }
    [[nodiscard]] MapHistory& History() { return m_history; }
    [[nodiscard]] const MapHistory& History() const { return m_history; }

    /// Told after an undo or redo put cells back, before the history records again: whatever
    /// shows the variable count follows it there.
    void SetRestoredListener(std::function<void()> listener) { m_restored = std::move(listener); }

    /// The file the map was last loaded from or saved to; empty for a new map.
    [[nodiscard]] const std::string& FileName() const { return m_fileName; }
    /// Whether FileName holds the map file format, so that saving changes may go there.
    [[nodiscard]] bool FileIsMap() const { return m_fileIsMap; }
    /// Whether the map has changes that no file holds.
    [[nodiscard]] bool IsModified() const { return m_history.IsModified(); }

    /// Loads `path` by its content, never by its name alone: a map file by its signature, a PLA
    /// text by its first line that is neither blank nor a comment starting with a keyword.
    /// Anything else goes to the map file reader, which says it is no map file, unless the
    /// caller expects a PLA file (`plaExpected`, or a name ending in ".pla"), whose reader says
    /// what is wrong with it. A PLA file of several outputs asks `chooseOutput` which one the
    /// map takes. A refused file gets its message through the map's message box. On success the
    /// file becomes the document's and a new history starts; true then.
    bool Load(const std::string& path, bool plaExpected, const OutputChooser& chooseOutput);

    /// After an Analyze: the result of an accepted map belongs to the map as it is now; a
    /// refused map leaves no result.
    void NoteAnalysis(bool accepted);
    /// Whether the last result belongs to the map as it is now: the map was analyzed and
    /// neither its cells nor its variable names changed since (an undo back to the analyzed
    /// cells makes it current again). A load starts without a result.
    [[nodiscard]] bool ResultIsCurrent() const;

    /// The names the options give variables 1..8; they are the map's names now. A PLA file's
    /// names belong to its map only: every load and whole-map fill starts from these again.
    void SetOptionNames(const std::array<std::string, 8>& names);
    /// Gives the map the names of the options again.
    void RestoreOptionNames();

    /// Writes the map to `path` in `format`; a map file with bit planes when `bitPlanes`. A
    /// map file written becomes the document's file and the map counts as saved; true then. A
    /// page or a PLA file is no copy of the map: false, and the map stays as modified as it was.
    bool Save(const std::string& path, MapFormat format, bool bitPlanes);

private:
    bool LoadPla(const std::string& path, const OutputChooser& chooseOutput);
    void Restore(const MapCells& cells);

    /// What a result is computed from: the cells and the names its text is written with.
    struct ResultSource {
        MapCells cells;
        std::vector<std::string> names;
        bool operator==(const ResultSource&) const = default;
    };
    [[nodiscard]] ResultSource CurrentSource() const;

    TCarnoGrid m_grid;
    MapHistory m_history;
    std::optional<ResultSource> m_resultSource;
    std::array<std::string, 8> m_optionNames{"A", "B", "C", "D", "E", "F", "G", "H"};
    std::function<void()> m_restored;
    std::string m_fileName;
    bool m_fileIsMap = false;
};
