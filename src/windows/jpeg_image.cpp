#include "windows/jpeg_image.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <exception>

#include <jpeglib.h>

namespace tavrel {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return. It jumps back to the frame that set `jump`; only C frames of the
// library lie in between, and the decoding frame keeps nothing there that
// needs destroying.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings are counted by the library itself (num_warnings); nothing is
// printed.
void OutputMessage(j_common_ptr) {}

struct Decoded {
    int width;
    int height;
};

// The library's whole life in one frame, with plain data only. `pixels` is
// sized once the header is known and then only written through its buffer.
bool DecodeInto(const unsigned char* data, unsigned long size, std::vector<std::uint8_t>* pixels,
                Decoded* decoded) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    errors.base.output_message = OutputMessage;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&info);
    const std::uint64_t pixelCount = static_cast<std::uint64_t>(info.output_width) *
                                     static_cast<std::uint64_t>(info.output_height);
    if (info.output_width == 0 || info.output_height == 0 || info.output_components != 3 ||
        pixelCount > kMaxJpegPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(info.output_width) * 3;
    try {
        pixels->assign(rowBytes * info.output_height, 0);
    } catch (const std::exception&) {
        jpeg_destroy_decompress(&info);  // out of memory: no picture
        return false;
    }
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels->data() + rowBytes * info.output_scanline;
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            break;  // suspended: the data ran out
        }
    }
    const bool whole = info.output_scanline == info.output_height;
    if (whole) {
        jpeg_finish_decompress(&info);
    }
    const bool clean = whole && info.err->num_warnings == 0;
    decoded->width = static_cast<int>(info.output_width);
    decoded->height = static_cast<int>(info.output_height);
    jpeg_destroy_decompress(&info);
    return clean;
}

}  // namespace

std::optional<Image> DecodeJpeg(std::span<const std::uint8_t> bytes) {
    // The memory source takes an unsigned long; anything larger than it can
    // count is no picture of ours.
    if (bytes.empty() || bytes.size() > 0x7FFFFFFFu) {
        return std::nullopt;
    }
    Image image;
    Decoded decoded{};
    if (!DecodeInto(bytes.data(), static_cast<unsigned long>(bytes.size()), &image.pixels,
                    &decoded)) {
        return std::nullopt;
    }
    image.width = decoded.width;
    image.height = decoded.height;
    return image;
}

std::optional<Image> DecodeJpeg(std::span<const std::uint8_t> bytes, int width, int height) {
    // The header alone would tell the size; decoding all of it also proves
    // the data whole, which is what the caller wants before showing it.
    auto image = DecodeJpeg(bytes);
    if (!image || image->width != width || image->height != height) {
        return std::nullopt;
    }
    return image;
}

}  // namespace tavrel
