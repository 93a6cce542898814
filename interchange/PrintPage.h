// The printable pages of a map: its picture, the result line and optionally the steps, laid
// out on A4 pages as SVG documents. The desktop program prints and writes PDF files from
// these pages, and the command line hands them to an SVG-to-PDF converter, so that every
// printed map is the same page.
#pragma once

#include "engine/Steps.h"
#include "interchange/MapImage.h"
#include "interchange/StepsText.h"

#include <string>
#include <vector>

/// What goes on the printed pages.
struct PrintRequest {
    MapPictureOptions picture;
    /// The result line as the result tree shows it; printed under the map as
    /// "Y(names)=result" unless empty.
    std::string result;
    /// The steps, printed after the result when given.
    const Steps* steps = nullptr;
    StepsPhrases phrases;
};

/// Size of a page in the pages' units (pixels at 96 dots per inch): A4, 210 x 297 mm.
inline constexpr int kPageWidth = 794;
inline constexpr int kPageHeight = 1123;

/// The pages, each a whole SVG document of A4 size. Everything fits on the first page where it
/// can; the steps go on over further pages, which are numbered.
[[nodiscard]] std::vector<std::string> printPages(const TCarnoGrid& grid,
                                                  const PrintRequest& request);
