// What the custom-character and saved-layout commands share: the texts the
// user is shown, the asking for an arrangement number to delete, the
// numbering of new entries, and the run-time entries of their two submenus
// with the rule that splits a long submenu into columns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/settings.h"
#include "common/prompts.h"
#include "common/registry.h"

namespace tavrel {

// The settings key, relative to the settings root, and its two subkeys.
inline constexpr wchar_t kCustomSettingsPath[] = L"Software\\Quorral\\Tavrel\\2.00";
inline constexpr wchar_t kCustomCharacterKey[] =
    L"Software\\Quorral\\Tavrel\\2.00\\CustomCharacter";
inline constexpr wchar_t kCustomPositionKey[] = L"Software\\Quorral\\Tavrel\\2.00\\CustomPosition";

inline constexpr wchar_t kCharacterSavePrompt[] =
    L"\u3000\u3000请输入你要定义的字母或汉字，注意：不能太长否则不能显示出来！";
inline constexpr wchar_t kPositionSavePrompt[] =
    L"\u3000\u3000请输入用于保存排列方案的名称:\u3000\u3000\u3000\u3000";
// Both delete commands ask with the same words.
inline constexpr wchar_t kDeletePrompt[] =
    L"\u3000\u3000请输入你要删除自定义字母排列方案的数字编号：";
inline constexpr wchar_t kDeleteInitialText[] = L"0";

inline constexpr wchar_t kDuplicateMessage[] = L"您的电脑已经存在这种排列方案，改一改别的吧！";
inline constexpr wchar_t kNothingToDeleteMessage[] = L"无排列方案可删除！";
inline constexpr wchar_t kDigitsOnlyMessage[] = L"你现在只能输入 0 ~ 9 之间的数字！";
inline constexpr wchar_t kNoSuchArrangementMessage[] = L"您输入的排列方案不存在或不能删除！";
inline constexpr wchar_t kDeletedMessage[] = L"删除排列方案成功！";

// Where the registry work of these commands happens: the settings root
// chosen at start-up.
struct CustomStore {
    RegistryAccess& registry;
    RegistryRoot root;
};

// Asks for the arrangement number to delete until the text holds digits
// only; a rejected text stays in the box for the next try. Nothing when the
// user cancels: the delete command then ends without a word.
std::optional<std::wstring> AskDeleteNumber(Prompts& prompts);

// The decimal value of a digits-only text, 0 for the empty text. A value
// beyond the signed 32-bit range fails with "'%s' is not a valid integer
// value".
std::int32_t ParseArrangementNumber(const std::wstring& digits);

// The arrangement numbers that follow from the two counts once one of them
// has grown by one: nothing when a new entry would give some entry a number
// beyond the 32-bit range (only a damaged count gets there), so the save
// then stores nothing rather than wrap a count around.
struct GrownCounts {
    std::int32_t characters;
    std::int32_t layouts;
    std::int32_t newNumber;  // the arrangement number of the new entry
};
std::optional<GrownCounts> AddCustomCharacterNumber(const Settings& settings);
std::optional<GrownCounts> AddCustomLayoutNumber(const Settings& settings);

// After the entry with arrangement number `deleted` is gone, the entries
// after it move down by one, and so does the current arrangement when it
// was that entry or one after it.
void ShiftCurrentAfterDelete(Settings& settings, std::int32_t deleted);

// Whether dynamic entry e (from 1) of E starts a new column of its submenu:
// up to 11 entries make one column; 12 to 30 two, 31 to 60 three, 61 to 100
// four, and 101 or more five, each new column starting at a multiple of
// E / columns (plus one per column already begun).
bool StartsNewColumn(std::int64_t entry, std::int64_t entryCount);

// One run-time entry of a custom submenu, after its three fixed items
// (save, delete, separator).
struct CustomMenuEntry {
    std::wstring name;     // component name: "CustomCharacter30", "CustomPosition31", ...
    std::wstring caption;  // "30.ABC"
    int image = 0;
    std::int32_t tag = 0;  // the arrangement number
    // The command that chooses the arrangement; nothing for a number
    // without a command id, which is then shown greyed.
    std::optional<std::uint16_t> command;
    bool startsColumn = false;
    friend bool operator==(const CustomMenuEntry&, const CustomMenuEntry&) = default;
};

inline constexpr int kCustomCharacterImage = 35;
inline constexpr int kCustomPositionImage = 38;
// A submenu lists at most this many run-time entries; only a damaged count
// asks for more, and no menu could hold them.
inline constexpr std::int64_t kMaxCustomMenuEntries = 0xFFFF;

// Dynamic entry e (from 1) of entryCount, for arrangement number `number`,
// its column split by StartsNewColumn.
CustomMenuEntry MakeCustomMenuEntry(const std::wstring& namePrefix, int image, std::int64_t number,
                                    std::int64_t entry, std::int64_t entryCount,
                                    const std::wstring& label);

// Appends the entries for arrangement numbers first, first + 1, ... for
// e = 1 to entryCount, labelled labelOf(e). A label that cannot be read
// ends the list there with its error: the entries before it are made.
template <typename LabelOf>
void AppendCustomMenuEntries(std::vector<CustomMenuEntry>& entries, const std::wstring& namePrefix,
                             int image, std::int64_t firstNumber, std::int64_t entryCount,
                             LabelOf&& labelOf) {
    entries.reserve(entries.size() + static_cast<std::size_t>(entryCount));
    for (std::int64_t e = 1; e <= entryCount; ++e) {
        entries.push_back(
            MakeCustomMenuEntry(namePrefix, image, firstNumber + e - 1, e, entryCount, labelOf(e)));
    }
}

// The entries for arrangement numbers first, first + 1, ... with these
// labels.
std::vector<CustomMenuEntry> MakeCustomMenuEntries(const std::wstring& namePrefix, int image,
                                                   std::int64_t firstNumber,
                                                   const std::vector<std::wstring>& labels);

}  // namespace tavrel
