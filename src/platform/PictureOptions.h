#pragma once

namespace nimbrel::platform {

// The automatic choices of ConversionOptions.
inline constexpr int kAutoHeight = 0;
inline constexpr int kAutoThreshold = -1;

enum class Dithering { None, FloydSteinberg };

// How a picture becomes logo dots: the answer of the picture conversion dialog, taken by the
// conversion itself.
struct ConversionOptions {
    int height = kAutoHeight;       // 8, 16, 24 or 32 dots; kAutoHeight: from the picture
    int threshold = kAutoThreshold; // 0..255: grey values below it are dark; kAutoThreshold: Otsu
    Dithering dithering = Dithering::None;
    bool invert = false;
    bool transparentAsLight = true; // otherwise transparent pixels count as dark
};

} // namespace nimbrel::platform
