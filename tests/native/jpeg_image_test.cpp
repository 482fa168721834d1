#include "windows/jpeg_image.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/read_file.h"
#include "windows/about_me.h"

namespace tavrel {
namespace {

std::vector<std::uint8_t> AboutPicture() {
    return testing::ReadFileBytes(TAVREL_ABOUT_PICTURE_FILE);
}

struct Pixel {
    int r, g, b;
};
Pixel At(const Image& image, int x, int y) {
    const auto* p =
        image.pixels.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                               static_cast<std::size_t>(x)) *
                                  3;
    return {p[0], p[1], p[2]};
}

TEST(DecodeJpeg, TheAboutPictureDecodesWhole) {
    const auto bytes = AboutPicture();
    ASSERT_GT(bytes.size(), 1000u) << TAVREL_ABOUT_PICTURE_FILE;
    const auto image = DecodeJpeg(bytes, 349, 210);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 349);
    EXPECT_EQ(image->height, 210);
    EXPECT_EQ(image->pixels.size(), 349u * 210u * 3u);
    // The corners lie outside the rounded plate: black, which the window
    // keys out. The middle is the plate's blue.
    for (const auto& [x, y] : {std::pair{0, 0}, {348, 209}, {0, 209}}) {
        const Pixel corner = At(*image, x, y);
        EXPECT_LT(std::max({corner.r, corner.g, corner.b}), 32) << x << "," << y;
    }
    const Pixel middle = At(*image, 174, 150);
    EXPECT_GT(middle.b, middle.r + 60);
    EXPECT_GT(middle.b, 100);
}

TEST(DecodeJpeg, DamagedDataIsAClearFailure) {
    const auto bytes = AboutPicture();
    ASSERT_GT(bytes.size(), 1000u);
    // Cut short: the last rows would be grey filler.
    for (std::size_t keep :
         {bytes.size() - 2, bytes.size() / 2, std::size_t{600}, std::size_t{4}, std::size_t{1}}) {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(keep));
        EXPECT_FALSE(DecodeJpeg(cut).has_value()) << "kept " << keep << " bytes";
    }
    // Not a JPEG at all.
    const std::string text = "GIF89a, or anything else that is not a picture";
    EXPECT_FALSE(DecodeJpeg({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}));
    EXPECT_FALSE(DecodeJpeg({}).has_value());
    std::vector<std::uint8_t> zeros(4096, 0);
    EXPECT_FALSE(DecodeJpeg(zeros).has_value());
    // Only the start-of-image marker, then end of image.
    const std::vector<std::uint8_t> markers = {0xFF, 0xD8, 0xFF, 0xD9};
    EXPECT_FALSE(DecodeJpeg(markers).has_value());
}

TEST(DecodeJpeg, ScrambledScanDataIsRefused) {
    const auto bytes = AboutPicture();
    ASSERT_GT(bytes.size(), 1000u);
    // Overwrite a stretch of the entropy-coded data with markers: libjpeg
    // warns (corrupt data) and the picture is refused.
    auto broken = bytes;
    for (std::size_t i = bytes.size() / 2; i < bytes.size() / 2 + 64; i += 2) {
        broken[i] = 0xFF;
        broken[i + 1] = 0xD0 + static_cast<std::uint8_t>(i % 8);
    }
    EXPECT_FALSE(DecodeJpeg(broken).has_value());
}

TEST(DecodeJpeg, WrongSizeIsRefused) {
    const auto bytes = AboutPicture();
    EXPECT_TRUE(DecodeJpeg(bytes).has_value());
    EXPECT_FALSE(DecodeJpeg(bytes, 350, 210).has_value());
    EXPECT_FALSE(DecodeJpeg(bytes, 349, 209).has_value());
    EXPECT_FALSE(DecodeJpeg(bytes, 210, 349).has_value());
}

// Finds the frame header (SOF0 to SOF2) and writes another size into it.
std::vector<std::uint8_t> WithSize(std::vector<std::uint8_t> bytes, int width, int height) {
    for (std::size_t i = 2; i + 9 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] >= 0xC0 && bytes[i + 1] <= 0xC2) {
            bytes[i + 5] = static_cast<std::uint8_t>(height >> 8);
            bytes[i + 6] = static_cast<std::uint8_t>(height & 0xFF);
            bytes[i + 7] = static_cast<std::uint8_t>(width >> 8);
            bytes[i + 8] = static_cast<std::uint8_t>(width & 0xFF);
            return bytes;
        }
    }
    ADD_FAILURE() << "no frame header";
    return bytes;
}

TEST(DecodeJpeg, AHeaderThatLiesAboutTheSizeIsRefused) {
    const auto bytes = AboutPicture();
    ASSERT_GT(bytes.size(), 1000u);
    // Huge: refused before any memory is taken for it.
    EXPECT_FALSE(DecodeJpeg(WithSize(bytes, 65000, 65000)).has_value());
    // Zero high: libjpeg's own error, which must come back here.
    EXPECT_FALSE(DecodeJpeg(WithSize(bytes, 349, 0)).has_value());
    // Larger than the data: the data runs out before the last rows.
    EXPECT_FALSE(DecodeJpeg(WithSize(bytes, 349, 420)).has_value());
}

TEST(SettleKeyBlack, OnlyPixelsDarkInAllChannelsBecomeBlack) {
    Image image{4, 1, {31, 31, 31, 32, 0, 0, 0, 0, 40, 5, 1, 2}};
    SettleKeyBlack(image);
    EXPECT_EQ(image.pixels, (std::vector<std::uint8_t>{0, 0, 0, 32, 0, 0, 0, 0, 40, 0, 0, 0}));
}

TEST(SettleKeyBlack, TheAboutPlateKeepsItsColoursAndItsOutsideGoesBlack) {
    auto image = DecodeJpeg(AboutPicture(), 349, 210);
    ASSERT_TRUE(image.has_value());
    SettleKeyBlack(*image);
    const Pixel corner = At(*image, 1, 1);
    EXPECT_EQ(corner.r + corner.g + corner.b, 0);
    // No hole in the plate: every pixel well inside it is still coloured.
    int holes = 0;
    for (int y = 20; y < 190; ++y) {
        for (int x = 20; x < 329; ++x) {
            const Pixel p = At(*image, x, y);
            holes += (p.r + p.g + p.b == 0) ? 1 : 0;
        }
    }
    EXPECT_EQ(holes, 0);
}

}  // namespace
}  // namespace tavrel
