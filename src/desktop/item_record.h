// The transfer block that carries one list view item request into the
// shell's process and its answer back: an item record followed by the
// caption area.
//
// The shell's list view reads the record in its own process's layout, which
// is not necessarily ours: a 32-bit Tavrel beside a 64-bit shell, or the
// other way round. So the block is built and read as bytes at the offsets
// of the shell's layout, never through a structure of our own word size.
// The offsets are those of the platform's LVITEMW:
//
//   field        32-bit        64-bit
//   mask         0   (4)       0   (4)
//   iItem        4   (4)       4   (4)
//   iSubItem     8   (4)       8   (4)
//   state        12  (4)       12  (4)
//   stateMask    16  (4)       16  (4)
//   pszText      20  (4)       24  (8, after 4 bytes of alignment)
//   cchTextMax   24  (4)       32  (4)
//   iImage       28  (4)       36  (4)
//   lParam       32  (4)       40  (8)
//   iIndent      36  (4)       48  (4)
//
// The record ends after iIndent (40 bytes, or 56 with the 64-bit record's
// closing alignment): later fields are read only for mask bits we never
// set. The caption area follows at once: 260 characters and a terminator,
// UTF-16, so that Chinese captions survive whatever the system code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tavrel {

enum class WordSize { k32, k64 };

struct ItemRecordLayout {
    std::size_t textOffset;     // pszText
    std::size_t textSize;       // its width: 4 or 8 bytes
    std::size_t textMaxOffset;  // cchTextMax
    std::size_t recordSize;     // through iIndent, with the record's alignment
    std::size_t captionOffset;  // the caption area, right after the record
    std::size_t blockSize;      // record and caption area
};

inline constexpr std::size_t kItemMaskOffset = 0;
inline constexpr std::size_t kItemIndexOffset = 4;
// LVIF_TEXT.
inline constexpr std::uint32_t kItemTextMask = 1;
// Characters the caption area holds before its terminator; cchTextMax.
inline constexpr std::int32_t kCaptionChars = 260;
// What the list view copies into an area of cchTextMax characters: one
// fewer, and the terminator.
inline constexpr std::size_t kLongestCaption = kCaptionChars - 1;

constexpr ItemRecordLayout ItemRecordLayoutFor(WordSize size) {
    constexpr std::size_t kCaptionBytes = (kCaptionChars + 1) * 2;
    if (size == WordSize::k32) {
        return {20, 4, 24, 40, 40, 40 + kCaptionBytes};
    }
    return {24, 8, 32, 56, 56, 56 + kCaptionBytes};
}

// Zeroes the record and asks for the text of item `index`, to be put into
// the caption area of the block that sits at `remoteBlock` in the shell's
// process. The caption area itself is left as it is.
void WriteItemRecord(std::span<std::uint8_t> block, const ItemRecordLayout& layout,
                     std::int32_t index, std::uint64_t remoteBlock);

// The pszText the list view left in the record, zero-extended.
std::uint64_t ReadTextPointer(std::span<const std::uint8_t> block, const ItemRecordLayout& layout);

// LPSTR_TEXTCALLBACK in the given width: the list view had no text to give.
constexpr bool IsTextCallback(std::uint64_t pointer, const ItemRecordLayout& layout) {
    return layout.textSize == 4 ? pointer == 0xFFFF'FFFFu : pointer == ~std::uint64_t{0};
}

// The caption in `bytes` (UTF-16, little-endian): up to the first zero
// character, at most `longest` characters, a trailing odd byte ignored.
std::u16string CaptionFromBytes(std::span<const std::uint8_t> bytes, std::size_t longest);

// True once `bytes` holds a whole zero character at an even offset.
bool HoldsTerminator(std::span<const std::uint8_t> bytes);

// How many of `wanted` bytes from `address` on lie in the same 4 KiB page,
// so that reading a text of unknown length never runs into a page that
// may not exist.
std::size_t BytesInPage(std::uint64_t address, std::size_t wanted);

// The point LVM_GETITEMPOSITION leaves at the start of the block.
std::int32_t ReadPointX(std::span<const std::uint8_t> block);
std::int32_t ReadPointY(std::span<const std::uint8_t> block);

}  // namespace tavrel
