// Report templates: filling one "%s" slot, and a template list as one text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Writes `pattern` to `out` with "%s" replaced by `argument` and "%%" by "%". Returns an error
/// text, and leaves `out` untouched, when the pattern holds any other "%" directive or more
/// than one "%s": templates come from files and are never handed to printf.
[[nodiscard]] std::optional<std::string>
formatTemplate(std::string_view pattern, std::string_view argument, std::string& out);

/// The whole text of a template list: every line followed by CR LF.
[[nodiscard]] std::string templateText(const std::vector<std::string>& lines);
