#include "textlayouts/custom_positions.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <unordered_map>
#include <utility>

#include "common/error.h"
#include "common/numeric.h"

namespace tavrel {
namespace {

constexpr std::int64_t kNoEntry = std::numeric_limits<std::int64_t>::max();

std::wstring ItemKeyPath(const std::wstring& layoutPath, std::int64_t index) {
    return layoutPath + L"\\" + std::to_wstring(index);
}

struct StoredPosition {
    std::int32_t x;
    std::int32_t y;
};

// The first entry of a name: its number, and its position when that reads.
struct NamedEntry {
    std::int64_t number;
    std::optional<StoredPosition> position;
};

// The entries of one saved layout, read once and only as far as a search
// entry by entry could get: up to the highest icon count seen, and never
// past an entry whose name cannot be read, because every search that gets
// there ends the restore.
class LayoutEntries {
  public:
    LayoutEntries(const CustomStore& store, const std::wstring& path)
        : store_(store), path_(path), present_(store.registry.OpenKey(store.root, path)) {}

    void ReadBelow(std::int64_t count) {
        for (; read_ < count && read_ < unreadableName_; ++read_) {
            ReadEntry(read_);
        }
    }

    // The lowest-numbered entry read with this name, or nothing.
    const NamedEntry* FirstNamed(const std::wstring& caption) const {
        const auto found = firstByName_.find(caption);
        return found == firstByName_.end() ? nullptr : &found->second;
    }
    std::int64_t UnreadableName() const { return unreadableName_; }

  private:
    void ReadEntry(std::int64_t k) {
        if (!present_) {
            return;
        }
        const std::wstring item = ItemKeyPath(path_, k);
        if (!store_.registry.OpenKey(store_.root, item)) {
            return;
        }
        std::wstring name;
        try {
            name = store_.registry.ReadString(store_.root, item, kIconNameValue);
        } catch (const Error&) {
            unreadableName_ = k;
            return;
        }
        if (firstByName_.count(name) != 0) {
            return;  // an earlier entry of this name always wins
        }
        std::optional<StoredPosition> position;
        try {
            const std::int32_t y = store_.registry.ReadInteger(store_.root, item, kIconYValue);
            const std::int32_t x = store_.registry.ReadInteger(store_.root, item, kIconXValue);
            position = StoredPosition{x, y};
        } catch (const Error&) {
            // Matching this entry ends the restore.
        }
        firstByName_.emplace(std::move(name), NamedEntry{k, position});
    }

    const CustomStore& store_;
    const std::wstring& path_;
    const bool present_;
    std::int64_t read_ = 0;
    std::int64_t unreadableName_ = kNoEntry;
    std::unordered_map<std::wstring, NamedEntry> firstByName_;
};

// The name of the layout at `path`: empty when its key is missing, and
// "Invalid data type for '%s'" when the name is no string.
std::wstring LayoutName(const CustomStore& store, const std::wstring& path) {
    if (!store.registry.OpenKey(store.root, path)) {
        return L"";
    }
    return store.registry.ReadString(store.root, path, kLayoutNameValue);
}

struct AreaSize {
    std::int32_t width;
    std::int32_t height;
    friend bool operator==(AreaSize, AreaSize) = default;
};

AreaSize SizeOf(const WorkAreaRect& area) {
    return {Wrap32(static_cast<std::int64_t>(area.right) - area.left),
            Wrap32(static_cast<std::int64_t>(area.bottom) - area.top)};
}

// The size the layout was saved on, when it holds one that can be used.
std::optional<AreaSize> SavedAreaSize(const CustomStore& store, const std::wstring& path) {
    try {
        const AreaSize saved{store.registry.ReadInteger(store.root, path, kLayoutWidthValue),
                             store.registry.ReadInteger(store.root, path, kLayoutHeightValue)};
        if (saved.width > 0 && saved.height > 0) {
            return saved;
        }
    } catch (const Error&) {
        // Saved before sizes were kept, or damaged: put back as stored.
    }
    return std::nullopt;
}

}  // namespace

std::int32_t ScaleSavedCoordinate(std::int32_t value, std::int32_t now, std::int32_t saved) {
    if (now <= 0 || saved <= 0) {
        return value;
    }
    return Wrap32(
        Round(static_cast<Real>(value) * static_cast<Real>(now) / static_cast<Real>(saved)));
}

std::wstring LayoutKeyPath(std::int64_t k) {
    return std::wstring(kCustomPositionKey) + L"\\CustomPosition" + std::to_wstring(k);
}

void SaveIconLayout(DesktopAccess& desktop, const CustomStore& store, const std::wstring& path,
                    const std::wstring& name) {
    const std::unique_ptr<DesktopIconReader> reader = desktop.OpenIconReader();
    if (!reader) {
        return;
    }
    const AreaSize area = SizeOf(desktop.GetDesktopWorkArea());
    bool sizeWritten = false;
    const std::int32_t count = reader->Count();
    try {
        for (std::int32_t i = 0; i < count; ++i) {
            const std::optional<DesktopIcon> icon = reader->ReadIcon(i);
            if (!icon || !store.registry.CreateKey(store.root, path)) {
                continue;
            }
            store.registry.WriteString(store.root, path, kLayoutNameValue, name);
            if (!sizeWritten) {
                store.registry.WriteInteger(store.root, path, kLayoutWidthValue, area.width);
                store.registry.WriteInteger(store.root, path, kLayoutHeightValue, area.height);
                sizeWritten = true;
            }
            const std::wstring item = ItemKeyPath(path, i);
            if (store.registry.CreateKey(store.root, item)) {
                store.registry.WriteString(store.root, item, kIconNameValue, icon->caption);
                store.registry.WriteInteger(store.root, item, kIconXValue, icon->x);
                store.registry.WriteInteger(store.root, item, kIconYValue, icon->y);
            }
        }
    } catch (const Error&) {
        // A failed write ends the save; what was written stays.
    }
}

void RestoreIconLayout(DesktopAccess& desktop, const CustomStore& store, const std::wstring& path) {
    const std::unique_ptr<DesktopIconReader> reader = desktop.OpenIconReader();
    if (!reader) {
        return;
    }
    const ListViewHandle listView = desktop.FindDesktopListView();
    LayoutEntries entries(store, path);
    // Scaled only when the layout was saved on a work area of another size.
    std::optional<AreaSize> saved = SavedAreaSize(store, path);
    const AreaSize now = saved ? SizeOf(desktop.GetDesktopWorkArea()) : AreaSize{};
    if (saved == now) {
        saved.reset();
    }
    const std::int32_t count = reader->Count();
    for (std::int32_t i = 0; i < count; ++i) {
        const std::optional<DesktopIcon> icon = reader->ReadIcon(i);
        if (!icon) {
            continue;
        }
        // Only entries below the count read now take part, as icons come and
        // go while the layout is put back.
        const std::int64_t searched = reader->Count();
        entries.ReadBelow(searched);
        const NamedEntry* named = entries.FirstNamed(icon->caption);
        const std::int64_t match = named != nullptr ? named->number : kNoEntry;
        if (std::min(match, entries.UnreadableName()) >= searched) {
            continue;  // no entry for this icon: it stays
        }
        if (entries.UnreadableName() < match || !named->position) {
            return;
        }
        const StoredPosition& position = *named->position;
        desktop.MoveDesktopIcon(
            listView, i,
            saved ? ScaleSavedCoordinate(position.x, now.width, saved->width) : position.x,
            saved ? ScaleSavedCoordinate(position.y, now.height, saved->height) : position.y);
    }
}

void CustomPositionSaveClick(CustomPositionContext& context) {
    const std::wstring name = context.prompts.AskText(kPositionSavePrompt, L"").value_or(L"");
    if (!name.empty()) {
        SaveLayoutNamed(context, name);
    }
}

std::int64_t CountLayoutsNamed(const CustomStore& store, const Settings& settings,
                               const std::wstring& name) {
    std::int64_t count = 0;
    for (std::int64_t n = 1; n <= settings.customCount; ++n) {
        count += LayoutName(store, LayoutKeyPath(n)) == name ? 1 : 0;
    }
    return count;
}

std::optional<std::int32_t> LayoutNumberNamed(const CustomStore& store, const Settings& settings,
                                              const std::wstring& name) {
    for (std::int64_t n = 1; n <= settings.customCount; ++n) {
        if (LayoutName(store, LayoutKeyPath(n)) == name) {
            const std::int64_t number =
                29 + static_cast<std::int64_t>(settings.customCharacterCount) + n;
            if (number < 30 || number > std::numeric_limits<std::int32_t>::max()) {
                return std::nullopt;  // only damaged counts get here
            }
            return static_cast<std::int32_t>(number);
        }
    }
    return std::nullopt;
}

bool SaveLayoutNamed(CustomPositionContext& context, const std::wstring& name) {
    // Numbers run out only with a damaged count; checking billions of
    // layouts for a duplicate first would be pointless.
    const std::optional<GrownCounts> grown = AddCustomLayoutNumber(context.settings);
    if (!grown) {
        return false;
    }
    RegistryAccess& registry = context.store.registry;
    if (!registry.CreateKey(context.store.root, kCustomSettingsPath) ||
        !registry.CreateKey(context.store.root, kCustomPositionKey)) {
        return false;
    }
    // Once for every layout that holds the name.
    const std::int64_t duplicates = CountLayoutsNamed(context.store, context.settings, name);
    for (std::int64_t i = 0; i < duplicates; ++i) {
        context.prompts.Notify(kDuplicateMessage);
    }
    if (duplicates != 0) {
        return false;
    }
    context.settings.customCount = grown->layouts;
    context.settings.arrage = grown->newNumber;
    SaveIconLayout(context.desktop, context.store, LayoutKeyPath(grown->layouts), name);
    return true;
}

void CustomPositionDeleteClick(CustomPositionContext& context) {
    Settings& settings = context.settings;
    if (settings.customCount < 1) {
        context.prompts.Notify(kNothingToDeleteMessage);
        return;
    }
    const std::optional<std::wstring> text = AskDeleteNumber(context.prompts);
    if (!text) {
        return;
    }
    const std::int32_t number = ParseArrangementNumber(*text);
    const std::int64_t characters = settings.customCharacterCount;
    const std::int64_t layouts = settings.customCount;
    if (number < 30 + characters || number > 29 + characters + layouts) {
        context.prompts.Notify(kNoSuchArrangementMessage);
        return;
    }
    RegistryAccess& registry = context.store.registry;
    const RegistryRoot root = context.store.root;
    if (!registry.OpenKey(root, kCustomSettingsPath) ||
        !registry.OpenKey(root, kCustomPositionKey)) {
        return;
    }
    const std::int64_t k = number - 29 - characters;
    // The layout goes whole or not at all: when any key of it cannot be
    // deleted, nothing is, and the failure is reported with every count,
    // key and number as it was. A layout already missing is a gap to close.
    const std::wstring deleted = LayoutKeyPath(k);
    if (registry.KeyExists(root, deleted) &&
        (!registry.CanDeleteTree(root, deleted) || !registry.DeleteTree(root, deleted))) {
        throw FailedToDeleteKey(deleted);
    }
    settings.customCount = static_cast<std::int32_t>(layouts - 1);
    ShiftCurrentAfterDelete(settings, number);
    // The later layouts close the gap. A layout moves only onto a free name
    // and is removed from the old one only once it is copied, so a count
    // that does not match the keys never costs a layout.
    for (std::int64_t j = k; j <= settings.customCount; ++j) {
        const std::wstring from = LayoutKeyPath(j + 1);
        const std::wstring to = LayoutKeyPath(j);
        if (registry.OpenKey(root, from) && !registry.OpenKey(root, to) &&
            registry.CopyTree(root, from, root, to)) {
            registry.DeleteTree(root, from);
        }
    }
    context.prompts.Notify(kDeletedMessage);
}

void CustomPositionClick(const CustomStore& store, const Settings& settings,
                         std::vector<CustomMenuEntry>& entries) {
    if (!store.registry.OpenKey(store.root, kCustomSettingsPath) ||
        !store.registry.OpenKey(store.root, kCustomPositionKey)) {
        return;
    }
    const std::int64_t count =
        std::min<std::int64_t>(std::max(settings.customCount, 0), kMaxCustomMenuEntries);
    AppendCustomMenuEntries(entries, L"CustomPosition", kCustomPositionImage,
                            30 + static_cast<std::int64_t>(settings.customCharacterCount), count,
                            [&](std::int64_t n) { return LayoutName(store, LayoutKeyPath(n)); });
}

}  // namespace tavrel
