// The map file's format as others need to know it: how a map file starts.
#pragma once

#include <string_view>

/// Whether `head`, the first bytes of a file, starts with the map file's signature.
[[nodiscard]] bool looksLikeMapFile(std::string_view head);
