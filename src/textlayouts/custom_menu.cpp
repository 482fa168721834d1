#include "textlayouts/custom_menu.h"

#include <algorithm>
#include <limits>

#include "core/commands.h"
#include "common/numeric.h"
#include "common/whole_number.h"

namespace tavrel {
namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kFirstCustomNumber = 30;

bool IsDigits(const std::wstring& text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

bool Fits32(std::int64_t value) {
    return value >= kInt32Min && value <= kInt32Max;
}

// Every arrangement number from 30 to the last saved layout is a number.
std::optional<GrownCounts> Grown(std::int64_t characters, std::int64_t layouts,
                                 std::int64_t newNumber) {
    const std::int64_t lastNumber =
        kFirstCustomNumber - 1 + characters + std::max<std::int64_t>(layouts, 0);
    if (!Fits32(characters) || !Fits32(layouts) || !Fits32(newNumber) || !Fits32(lastNumber)) {
        return std::nullopt;
    }
    return GrownCounts{static_cast<std::int32_t>(characters), static_cast<std::int32_t>(layouts),
                       static_cast<std::int32_t>(newNumber)};
}

}  // namespace

std::optional<std::wstring> AskDeleteNumber(Prompts& prompts) {
    std::wstring text = kDeleteInitialText;
    for (;;) {
        std::optional<std::wstring> answer = prompts.AskText(kDeletePrompt, text);
        if (!answer) {
            return std::nullopt;
        }
        text = std::move(*answer);
        if (IsDigits(text)) {
            return text;
        }
        prompts.Notify(kDigitsOnlyMessage);
    }
}

std::int32_t ParseArrangementNumber(const std::wstring& digits) {
    return digits.empty() ? 0 : ParseWholeNumber(digits);
}

std::optional<GrownCounts> AddCustomCharacterNumber(const Settings& settings) {
    const std::int64_t characters = static_cast<std::int64_t>(settings.customCharacterCount) + 1;
    return Grown(characters, settings.customCount, kFirstCustomNumber - 1 + characters);
}

std::optional<GrownCounts> AddCustomLayoutNumber(const Settings& settings) {
    const std::int64_t layouts = static_cast<std::int64_t>(settings.customCount) + 1;
    return Grown(settings.customCharacterCount, layouts,
                 kFirstCustomNumber - 1 + settings.customCharacterCount + layouts);
}

void ShiftCurrentAfterDelete(Settings& settings, std::int32_t deleted) {
    // `deleted` is at least 30 here, so the current number stays above the
    // bottom of the range.
    if (settings.arrage >= deleted) {
        settings.arrage = Wrap32(static_cast<std::int64_t>(settings.arrage) - 1);
    }
}

bool StartsNewColumn(std::int64_t entry, std::int64_t entryCount) {
    std::int64_t columns = 1;
    if (entryCount >= 101) {
        columns = 5;
    } else if (entryCount >= 61) {
        columns = 4;
    } else if (entryCount >= 31) {
        columns = 3;
    } else if (entryCount >= 12) {
        columns = 2;
    }
    const std::int64_t c = entryCount / columns;
    // Column j (from 1) begins at entry j * c + (j - 1).
    for (std::int64_t j = 1; j < columns; ++j) {
        if (entry == j * c + (j - 1)) {
            return true;
        }
    }
    return false;
}

CustomMenuEntry MakeCustomMenuEntry(const std::wstring& namePrefix, int image, std::int64_t number,
                                    std::int64_t entry, std::int64_t entryCount,
                                    const std::wstring& label) {
    CustomMenuEntry made;
    made.name = namePrefix + std::to_wstring(number);
    made.caption = std::to_wstring(number) + L"." + label;
    made.image = image;
    made.tag = Wrap32(number);
    if (HasArrangementCommand(number)) {
        made.command = ArrangementCommand(static_cast<std::int32_t>(number));
    }
    made.startsColumn = StartsNewColumn(entry, entryCount);
    return made;
}

std::vector<CustomMenuEntry> MakeCustomMenuEntries(const std::wstring& namePrefix, int image,
                                                   std::int64_t firstNumber,
                                                   const std::vector<std::wstring>& labels) {
    std::vector<CustomMenuEntry> entries;
    AppendCustomMenuEntries(
        entries, namePrefix, image, firstNumber, static_cast<std::int64_t>(labels.size()),
        [&](std::int64_t e) { return labels[static_cast<std::size_t>(e - 1)]; });
    return entries;
}

}  // namespace tavrel
