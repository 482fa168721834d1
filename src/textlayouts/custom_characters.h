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

// Asks for a text; a new one is stored as the next number and becomes the
// current arrangement, one already stored is refused with a message. The
// text is drawn in every case, the empty text too (Cancel).
void CustomCharacterSaveClick(CustomCharacterContext& context);

// Asks for the arrangement number of a text and deletes it; the later texts
// move down by one. Cancelling ends the command. A number beyond the 32-bit
// range fails with "'%s' is not a valid integer value".
void CustomCharacterDeleteClick(CustomCharacterContext& context);

// The run-time entries of the "自定字符排列" submenu as the registry holds
// them now: "<number>.<text>" for every text, nothing when the keys are
// missing.
std::vector<CustomMenuEntry> CustomCharacterClick(const CustomStore& store,
                                                  const Settings& settings);

}  // namespace tavrel
