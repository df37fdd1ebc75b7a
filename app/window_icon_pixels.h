// The window icon's pixels, which the build renders from kbdgen.svg into a C++ source.
#pragma once

#include <cstdint>
#include <span>

namespace kbd {

struct IconPixels {
    int width;
    int height;
    const std::uint32_t* argb; // premultiplied 0xAARRGGBB, row by row from the top
};

// One picture per size, smallest first.
std::span<const IconPixels> WindowIconPixels();

} // namespace kbd
