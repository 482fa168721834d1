#include "textlayouts/custom_characters.h"

#include <algorithm>

#include "common/error.h"

namespace tavrel {
namespace {

bool KeysPresent(const CustomStore& store) {
    return store.registry.OpenKey(store.root, kCustomSettingsPath) &&
           store.registry.OpenKey(store.root, kCustomCharacterKey);
}

// A value that is not a string is no text anybody typed: it compares equal
// to nothing, is listed and moved as the empty text.
std::wstring ReadText(const CustomStore& store, std::int64_t n) {
    try {
        return store.registry.ReadString(store.root, kCustomCharacterKey,
                                         CustomCharacterValueName(n));
    } catch (const Error&) {
        return L"";
    }
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
    // The later texts move down by one. A text after a missing value moves
    // into the gap too, so a count that does not match the values costs no
    // other text.
    for (std::int64_t j = number - 29; j <= count - 1; ++j) {
        const std::wstring here = CustomCharacterValueName(j);
        const std::wstring after = CustomCharacterValueName(j + 1);
        if (registry.ValueExists(root, kCustomCharacterKey, here) ||
            registry.ValueExists(root, kCustomCharacterKey, after)) {
            registry.WriteString(root, kCustomCharacterKey, here, ReadText(context.store, j + 1));
        }
    }
    registry.DeleteValue(root, kCustomCharacterKey, CustomCharacterValueName(count));
    settings.customCharacterCount = static_cast<std::int32_t>(count - 1);
    ShiftCurrentAfterDelete(settings, number);
    context.prompts.Notify(kDeletedMessage);
}

std::vector<CustomMenuEntry> CustomCharacterClick(const CustomStore& store,
                                                  const Settings& settings) {
    if (!KeysPresent(store)) {
        return {};
    }
    const std::int64_t count =
        std::min<std::int64_t>(std::max(settings.customCharacterCount, 0), kMaxCustomMenuEntries);
    std::vector<std::wstring> labels;
    labels.reserve(static_cast<std::size_t>(count));
    for (std::int64_t n = 1; n <= count; ++n) {
        labels.push_back(ReadText(store, n));
    }
    return MakeCustomMenuEntries(L"CustomCharacter", kCustomCharacterImage, 30, labels);
}

}  // namespace tavrel
