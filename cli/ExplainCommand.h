// The lorvane-cli commands that explain the result: the steps as lines, the printable page as
// a PDF file.
#pragma once

#include "cli/CommandContext.h"

#include <string>

/// `explain [--pos] [--exact]`: prints the steps that lead to the result `analyze` gives with
/// the same switches, one item per line (see stepsLines). The map is not changed. Exit status
/// 1 when the map was refused or the output failed, 2 for an argument.
[[nodiscard]] int explainCommand(CliContext& ctx, const CliOptions& options);

/// `image FILE.pdf [--pos] [--exact] [--steps]`: analyses like `analyze` and writes the
/// printable page of the map with its groups and result (and the steps) as a PDF file,
/// through the converter rsvg-convert when it is on the PATH. Without it, says how to get a
/// PDF and exits with status 1.
[[nodiscard]] int pdfImageCommand(CliContext& ctx, const CliOptions& options,
                                  const std::string& file);

/// True when the file name ends in ".pdf", in any letter case.
[[nodiscard]] bool isPdfName(const std::string& path);
