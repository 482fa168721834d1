// Saved layouts: the caption and position of every desktop icon, stored
// under a name and put back by matching captions.
//
// Layout n (from 1) is the key CustomPosition\CustomPosition<n> of the
// settings key, with the value "CustomMenuName" and one subkey per icon,
// named by the icon's index at saving time, holding "IconName", "IconPos.X"
// and "IconPos.Y". Its arrangement number is 29 + CustomCharacterCount + n.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/settings.h"
#include "common/prompts.h"
#include "common/registry.h"
#include "desktop/desktop.h"
#include "textlayouts/custom_menu.h"

namespace tavrel {

inline constexpr wchar_t kLayoutNameValue[] = L"CustomMenuName";
inline constexpr wchar_t kIconNameValue[] = L"IconName";
inline constexpr wchar_t kIconXValue[] = L"IconPos.X";
inline constexpr wchar_t kIconYValue[] = L"IconPos.Y";
// The work area's size when the layout was saved, beside its name, so that
// a layout saved on another screen is put back scaled to this one.
inline constexpr wchar_t kLayoutWidthValue[] = L"WorkAreaWidth";
inline constexpr wchar_t kLayoutHeightValue[] = L"WorkAreaHeight";

// A saved coordinate on a screen of another size: value × now ÷ saved in
// extended precision, to the nearest integer (ties to even), kept to 32
// bits. Unchanged when either size is not positive.
std::int32_t ScaleSavedCoordinate(std::int32_t value, std::int32_t now, std::int32_t saved);

// The key of layout k, relative to the settings root.
std::wstring LayoutKeyPath(std::int64_t k);

// Writes every readable icon under `path`, and the work area's size; an
// unreadable icon leaves a gap in the numbering, and no icon readable leaves
// no key at all. Entries already there stay. A registry failure ends it
// without a word.
void SaveIconLayout(DesktopAccess& desktop, const CustomStore& store, const std::wstring& path,
                    const std::wstring& name);

// Moves every icon whose caption matches an entry of the layout at `path`
// to that entry's position: of the entries numbered below the icon count
// (read anew for each icon), the lowest-numbered one with exactly that name.
// Icons without one stay. A matching entry whose position cannot be read,
// or an entry whose name cannot be read reached before a match, ends the
// restore there; icons moved before stay moved.
//
// A layout saved on a work area of another size has every position scaled
// to the present one; one without its size, or with one that is not
// positive, is put back as it was stored.
//
// The layout's entries are read once, as far as the icon counts reach, and
// each icon is matched in one step; the desktop sees exactly the messages of
// searching the entries icon by icon.
void RestoreIconLayout(DesktopAccess& desktop, const CustomStore& store, const std::wstring& path);

// What the saved-layout commands work on.
struct CustomPositionContext {
    DesktopAccess& desktop;
    CustomStore store;
    Settings& settings;
    Prompts& prompts;
};

// Asks for a name and saves the present layout as the next number, which
// becomes the current arrangement; a name already stored is refused with a
// message (once per layout that holds it). A stored name that is not a
// string ends the command with "Invalid data type for '%s'".
void CustomPositionSaveClick(CustomPositionContext& context);

// The save after the input box: the present layout under `name` (not
// empty) as the next number, made the current arrangement. False when
// nothing was saved: the name is taken (told once per layout that holds
// it), the keys cannot be had, or the numbers have run out.
bool SaveLayoutNamed(CustomPositionContext& context, const std::wstring& name);

// How many layouts are stored under exactly this name.
std::int64_t CountLayoutsNamed(const CustomStore& store, const Settings& settings,
                               const std::wstring& name);

// The arrangement number of the first layout stored under exactly this
// name, or nothing.
std::optional<std::int32_t> LayoutNumberNamed(const CustomStore& store, const Settings& settings,
                                              const std::wstring& name);

// Asks for the arrangement number of a layout and deletes it; the layouts
// after it close the gap. Cancelling ends the command. A number beyond the
// 32-bit range fails with "'%s' is not a valid integer value", a layout
// that cannot be deleted whole with "Failed to delete key %s", nothing
// deleted.
void CustomPositionDeleteClick(CustomPositionContext& context);

// Appends the run-time entries of the "自定义排列" submenu as the registry
// holds them now: "<number>.<name>" for every layout (a missing layout key
// leaves the name empty), nothing when the keys are missing. A name that is
// not a string ends it with its error, the entries before it appended.
void CustomPositionClick(const CustomStore& store, const Settings& settings,
                         std::vector<CustomMenuEntry>& entries);

}  // namespace tavrel
