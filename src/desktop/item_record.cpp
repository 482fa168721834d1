#include "desktop/item_record.h"

#include <algorithm>

namespace tavrel {
namespace {

// Little-endian, as on every processor Windows runs the shell on.
void PutBytes(std::span<std::uint8_t> block, std::size_t offset, std::uint64_t value,
              std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        block[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint64_t GetBytes(std::span<const std::uint8_t> block, std::size_t offset, std::size_t size) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value |= static_cast<std::uint64_t>(block[offset + i]) << (8 * i);
    }
    return value;
}

std::int32_t GetInt32(std::span<const std::uint8_t> block, std::size_t offset) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(GetBytes(block, offset, 4)));
}

}  // namespace

void WriteItemRecord(std::span<std::uint8_t> block, const ItemRecordLayout& layout,
                     std::int32_t index, std::uint64_t remoteBlock) {
    std::fill_n(block.begin(), layout.recordSize, std::uint8_t{0});
    PutBytes(block, kItemMaskOffset, kItemTextMask, 4);
    PutBytes(block, kItemIndexOffset, static_cast<std::uint32_t>(index), 4);
    PutBytes(block, layout.textOffset, remoteBlock + layout.captionOffset, layout.textSize);
    PutBytes(block, layout.textMaxOffset, static_cast<std::uint32_t>(kCaptionChars), 4);
}

std::uint64_t ReadTextPointer(std::span<const std::uint8_t> block, const ItemRecordLayout& layout) {
    return GetBytes(block, layout.textOffset, layout.textSize);
}

std::u16string CaptionFromBytes(std::span<const std::uint8_t> bytes, std::size_t longest) {
    std::u16string caption;
    const std::size_t units = std::min(bytes.size() / 2, longest);
    for (std::size_t i = 0; i < units; ++i) {
        const auto unit = static_cast<char16_t>(GetBytes(bytes, 2 * i, 2));
        if (unit == u'\0') {
            break;
        }
        caption.push_back(unit);
    }
    return caption;
}

bool HoldsTerminator(std::span<const std::uint8_t> bytes) {
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        if (bytes[i] == 0 && bytes[i + 1] == 0) {
            return true;
        }
    }
    return false;
}

std::size_t BytesInPage(std::uint64_t address, std::size_t wanted) {
    constexpr std::uint64_t kPage = 4096;
    const std::uint64_t left = kPage - address % kPage;
    return left < wanted ? static_cast<std::size_t>(left) : wanted;
}

std::int32_t ReadPointX(std::span<const std::uint8_t> block) {
    return GetInt32(block, 0);
}
std::int32_t ReadPointY(std::span<const std::uint8_t> block) {
    return GetInt32(block, 4);
}

}  // namespace tavrel
