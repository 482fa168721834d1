// Decoding a JPEG picture held in memory, with libjpeg.
//
// Whatever the bytes hold, decoding either gives the whole picture or
// nothing: libjpeg's fatal errors come back here instead of ending the
// process, and a picture with damaged data (libjpeg's warnings, such as a
// premature end of the data) is refused too rather than shown half grey.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavrel {

// Rows top to bottom, three bytes per pixel: red, green, blue.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// Larger pictures are refused before any memory is taken for them.
inline constexpr std::uint64_t kMaxJpegPixels = 16u * 1024u * 1024u;

std::optional<Image> DecodeJpeg(std::span<const std::uint8_t> bytes);

// The same, and only a picture of exactly this size is accepted.
std::optional<Image> DecodeJpeg(std::span<const std::uint8_t> bytes, int width, int height);

}  // namespace tavrel
