// The products colour between its stored form (0x00BBGGRR) and the colours Qt paints with.
#pragma once

#include <QColor>

#include <cstdint>

/// Colour of a 0x00BBGGRR value, the form in which the map and the settings file's
/// ProductsColor keep the products colour.
[[nodiscard]] QColor colorFromBgr(std::uint32_t bgr);
/// The 0x00BBGGRR value of a colour.
[[nodiscard]] std::uint32_t bgrFromColor(const QColor& color);
