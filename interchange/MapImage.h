// The map as a picture: SVG and LaTeX/TikZ source, with the groups of the result drawn on it.
//
// Both drawings show the corner with the row and column variable names across a diagonal,
// the Gray-code labels, the cell values, and optionally every result term as a translucent
// rounded outline in its own colour with a legend of the terms below the map. A group that
// wraps round an edge of the map is drawn as open pieces at both edges. Raster images (PNG)
// are made by the desktop program from the SVG; the core has no raster library.
#pragma once

#include "engine/CarnoGrid.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

/// Image formats the core writes.
enum class MapImageFormat { Svg, Tikz };

/// The format a file name asks for by its extension: ".svg" or ".tex", in any letter case;
/// nothing for other names.
[[nodiscard]] std::optional<MapImageFormat> mapImageFormatOf(const std::string& path);

/// A run of positions on one axis of the map, `first` to `last` counted from 1. A group that
/// wraps round the edge has a run open at its start (continuing before position 1) and one
/// open at its end (continuing after the last position).
struct AxisRun {
    int first = 0;
    int last = 0;
    bool openBefore = false;
    bool openAfter = false;
    bool operator==(const AxisRun&) const = default;
};

/// The runs of the marked positions of an axis (`marked[0]` is position 1), in order; a run
/// touching the start and one touching the end of the axis are joined round the edge.
[[nodiscard]] std::vector<AxisRun> axisRuns(const std::vector<bool>& marked);

/// One rectangle of a drawn group: a run of columns by a run of rows.
struct GroupPiece {
    AxisRun cols;
    AxisRun rows;
};

/// The colour of group `index` (from 0) as red, green and blue from 0 to 255: the colours the
/// drawings use, repeating after a dozen, so that the window can draw the groups alike.
struct GroupColor {
    int r = 0;
    int g = 0;
    int b = 0;
};
[[nodiscard]] GroupColor groupColor(std::size_t index);

/// The rectangles that draw result term `term` on the current map.
[[nodiscard]] std::vector<GroupPiece> groupPieces(const TCarnoGrid& grid, const TTermItem& term);

/// What a picture of the map shows besides its labels and values.
struct MapPictureOptions {
    /// The result's terms as outlines with a legend, when they lie on the current map.
    bool groups = false;
    /// Each cell's minterm number, small in its lower right corner.
    bool minterms = false;
};

/// The map drawn as SVG elements in pixels at 96 dots per inch, and the size they take: what
/// a document or a printed page places where it wants the map.
struct MapDrawing {
    std::string elements;
    int width = 0;
    int height = 0;
};
[[nodiscard]] MapDrawing mapDrawing(const TCarnoGrid& grid, const MapPictureOptions& options);

/// The map as an SVG document.
[[nodiscard]] std::string mapSvg(const TCarnoGrid& grid, const MapPictureOptions& options);

/// The map as an SVG document; with `withGroups` the result's terms are drawn when they lie
/// on the current map.
[[nodiscard]] std::string mapSvg(const TCarnoGrid& grid, bool withGroups);

/// The same drawing as a TikZ picture for a LaTeX document that loads the tikz package.
[[nodiscard]] std::string mapTikz(const TCarnoGrid& grid, bool withGroups);

/// Writes the map image in the format of the file's extension (.svg or .tex). Any other
/// extension, or a failed write, gets a message; then false.
bool saveMapImage(const TCarnoGrid& grid, const std::string& path, bool withGroups);
