#include "textlayouts/custom_characters.h"

#include <algorithm>
#include <utility>

namespace tavrel {
namespace {

bool KeysPresent(const CustomStore& store) {
    return store.registry.OpenKey(store.root, kCustomSettingsPath) &&
           store.registry.OpenKey(store.root, kCustomCharacterKey);
}

// A missing value reads as the empty text; one that is not a string ends
// the command with "Invalid data type for '%s'".
std::wstring ReadText(const CustomStore& store, std::int64_t n) {
    return store.registry.ReadString(store.root, kCustomCharacterKey, CustomCharacterValueName(n));
}

}  // namespace

std::wstring CustomCharacterValueName(std::int64_t n) {
    return L"CustomCharacter" + std::to_wstring(n);
}

void CustomCharacterSaveClick(CustomCharacterContext& context) {
    const std::wstring text = context.prompts.AskText(kCharacterSavePrompt, L"").value_or(L"");
    RegistryAccess& registry = context.store.registry;
    const RegistryRoot root = context.store.root;
    // Numbers run out only with a damaged count; checking billions of texts
    // for a duplicate first would be pointless.
    const std::optional<GrownCounts> grown = AddCustomCharacterNumber(context.settings);
    if (!text.empty() && grown && registry.CreateKey(root, kCustomSettingsPath) &&
        registry.CreateKey(root, kCustomCharacterKey)) {
        bool duplicate = false;
        for (std::int64_t n = 1; n <= context.settings.customCharacterCount; ++n) {
            if (ReadText(context.store, n) == text) {
                context.prompts.Notify(kDuplicateMessage);
                duplicate = true;
            }
        }
        if (!duplicate) {
            context.settings.customCharacterCount = grown->characters;
            context.settings.arrage = grown->newNumber;
            registry.WriteString(root, kCustomCharacterKey,
                                 CustomCharacterValueName(grown->characters), text);
        }
    }
    context.draw(text);
}

void CustomCharacterDeleteClick(CustomCharacterContext& context) {
    Settings& settings = context.settings;
    if (settings.customCharacterCount < 1) {
        context.prompts.Notify(kNothingToDeleteMessage);
        return;
    }
    const std::optional<std::wstring> answer = AskDeleteNumber(context.prompts);
    if (!answer) {
        return;
    }
    const std::int32_t number = ParseArrangementNumber(*answer);
    const std::int64_t count = settings.customCharacterCount;
    if (number < 30 || number > 29 + count) {
        context.prompts.Notify(kNoSuchArrangementMessage);
        return;
    }
    if (!KeysPresent(context.store)) {
        return;
    }
    RegistryAccess& registry = context.store.registry;
    const RegistryRoot root = context.store.root;
    // The later texts move down by one: each value that exists takes the
    // text after it (a missing one reads as empty). Every text is read
    // before the first is written, so a damaged value ends the command
    // with nothing changed.
    std::vector<std::pair<std::wstring, std::wstring>> moves;
    for (std::int64_t j = number - 29; j <= count - 1; ++j) {
        std::wstring next = ReadText(context.store, j + 1);
        std::wstring here = CustomCharacterValueName(j);
        if (registry.ValueExists(root, kCustomCharacterKey, here)) {
            moves.emplace_back(std::move(here), std::move(next));
        }
    }
    for (const auto& [name, text] : moves) {
        registry.WriteString(root, kCustomCharacterKey, name, text);
    }
    registry.DeleteValue(root, kCustomCharacterKey, CustomCharacterValueName(count));
    settings.customCharacterCount = static_cast<std::int32_t>(count - 1);
    ShiftCurrentAfterDelete(settings, number);
    context.prompts.Notify(kDeletedMessage);
}

void CustomCharacterClick(const CustomStore& store, const Settings& settings,
                          std::vector<CustomMenuEntry>& entries) {
    if (!KeysPresent(store)) {
        return;
    }
    const std::int64_t count =
        std::min<std::int64_t>(std::max(settings.customCharacterCount, 0), kMaxCustomMenuEntries);
    AppendCustomMenuEntries(entries, L"CustomCharacter", kCustomCharacterImage, 30, count,
                            [&](std::int64_t n) { return ReadText(store, n); });
}

}  // namespace tavrel
