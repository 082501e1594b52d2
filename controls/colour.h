#pragma once
// Colours as the platform stores RGB values.
#include <cstdint>

namespace brisko::controls {

using Colour = std::uint32_t;  // 0x00BBGGRR, as the platform stores RGB values
constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
constexpr Colour kDefaultColour = 0xFFFFFFFFu;  // "use the platform's colour"

}  // namespace brisko::controls
