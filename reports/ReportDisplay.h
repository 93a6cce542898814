// The report page rewritten for the program's own HTML viewer, so that it shows what a web
// browser shows; the report file itself stays as it was written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

/// `html` for a viewer that knows only a part of HTML and CSS:
/// - the table structure repaired the way web browsers repair it: a row or cell start closes
///   the open cell, a cell outside a row opens one, content standing between the rows of a
///   table moves before that table, a table started between rows ends the table around it,
///   and end tags of elements that are not open are dropped;
/// - a cell that follows a cell holding a map of seven or eight variables goes to a row of its
///   own below the map, as the page's style sheet lets browsers wrap it when there is no room;
/// - every cell with a background colour (the cells of a map) kept on one line and given the
///   text colour, black or white, that reads best on its background.
/// Style sheets, scripts and comments are copied unchanged.
[[nodiscard]] std::string reportForViewer(std::string_view html);

/// "#000000" or "#ffffff", whichever contrasts more with the HTML colour `background` ("#RRGGBB",
/// "#RGB" or a basic colour name); nothing for a colour it does not know.
[[nodiscard]] std::optional<std::string> readableTextColor(std::string_view background);
