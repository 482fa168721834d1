// The item record layouts of item_record.h held against the platform's own
// LVITEMW of the word size being compiled. Every build compiles this for
// its own word size in the desktop layer and for the other one in the
// stand-in desktop of that size, so both layouts are checked by a compiler
// of their size.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>

#include "desktop/item_record.h"

namespace tavrel {

#if defined(_WIN64)
inline constexpr ItemRecordLayout kOwnItemRecordLayout = ItemRecordLayoutFor(WordSize::k64);
#else
inline constexpr ItemRecordLayout kOwnItemRecordLayout = ItemRecordLayoutFor(WordSize::k32);
#endif
static_assert(kItemMaskOffset == offsetof(LVITEMW, mask));
static_assert(kItemIndexOffset == offsetof(LVITEMW, iItem));
static_assert(offsetof(LVITEMW, iSubItem) == 8);
static_assert(kOwnItemRecordLayout.textOffset == offsetof(LVITEMW, pszText));
static_assert(kOwnItemRecordLayout.textSize == sizeof(LPWSTR));
static_assert(kOwnItemRecordLayout.textMaxOffset == offsetof(LVITEMW, cchTextMax));
static_assert(kOwnItemRecordLayout.recordSize >= offsetof(LVITEMW, iIndent) + sizeof(int));
static_assert(kOwnItemRecordLayout.recordSize <
              offsetof(LVITEMW, iIndent) + sizeof(int) + alignof(LVITEMW));
static_assert(kOwnItemRecordLayout.recordSize % alignof(LVITEMW) == 0);
static_assert(kOwnItemRecordLayout.captionOffset == kOwnItemRecordLayout.recordSize);
static_assert(kItemTextMask == LVIF_TEXT);
// The point LVM_GETITEMPOSITION writes is two 32-bit numbers in either size.
static_assert(sizeof(POINT) == 8 && offsetof(POINT, y) == 4);

}  // namespace tavrel
