// Custom characters: short texts the user typed, drawn with the desktop
// icons. Text n (from 1) is the string value "CustomCharacter<n>" of the
// settings key's subkey "CustomCharacter"; its arrangement number is 29 + n.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/settings.h"
#include "common/prompts.h"
#include "common/registry.h"
#include "textlayouts/custom_menu.h"

namespace tavrel {

// Draws a text with the icons (the platform renders it).
using TextDrawer = std::function<void(const std::wstring&)>;

std::wstring CustomCharacterValueName(std::int64_t n);

struct CustomCharacterContext {
    CustomStore store;
    Settings& settings;
    Prompts& prompts;
    TextDrawer draw;
};

// A stored value that is not a string fails these commands with "Invalid
// data type for '%s'", as showing it as an arrangement does.

// Asks for a text; a new one is stored as the next number and becomes the
// current arrangement, one already stored is refused with a message. The
// text is drawn in every case, the empty text too (Cancel), unless a
// damaged value ends the command first.
void CustomCharacterSaveClick(CustomCharacterContext& context);

// Asks for the arrangement number of a text and deletes it; the later texts
// move down by one. Cancelling ends the command. A number beyond the 32-bit
// range fails with "'%s' is not a valid integer value"; a damaged value
// fails before anything is changed.
void CustomCharacterDeleteClick(CustomCharacterContext& context);

// Appends the run-time entries of the "自定字符排列" submenu as the registry
// holds them now: "<number>.<text>" for every text, nothing when the keys
// are missing. A damaged value ends it with its error, the entries before
// it appended.
void CustomCharacterClick(const CustomStore& store, const Settings& settings,
                          std::vector<CustomMenuEntry>& entries);

}  // namespace tavrel
