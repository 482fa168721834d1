// Every command id of the program's windows and menus, in one place.
#pragma once

#include <cstdint>

namespace tavrel {

enum CommandId : std::uint16_t {
    // Arrangement n (1 to 29) of a button or menu item: kArrangementCommand + n.
    kArrangementCommand = 1000,

    kCmdSeeAllArragn = 100,
    kCmdShowHideAllIcon,
    kCmdCustomCharacterSave,
    kCmdCustomCharacterDelete,
    kCmdCustomPositionSave,
    kCmdCustomPositionDelete,
    kCmdQuit,
    kCmdShowMain,
    kCmdExit,
    kCmdIconCacheRebuild,
    kCmdDeleteShortcutArrow,
    kCmdIconTextTransparence,
    kCmdFlashScreen,
    kCmdSetDesktopIconTextColor,
    kCmdStartMenu,
    kCmdPrograms,
    kCmdDesktop,
    kCmdQuickLaunch,
    kCmdSkin0,
    kCmdSkin1,
    kCmdSkin2,
    kCmdSkin3,
    kCmdSkin4,
    kCmdAutoRun,
    kCmdWWWUrl,
    kCmdMailTo,
    kCmdTalkToFriend,
    kCmdUseNo1,
    kCmdWhatIsNew,
    kCmdHelp,
    kCmdAbout,

    // New fixed commands go above this line.
    kFixedCommandEnd,
};
static_assert(kFixedCommandEnd <= kArrangementCommand,
              "fixed commands stay below the arrangements");

// Arrangement numbers, built-in and run-time alike, have the command ids
// from kArrangementCommand + 1 up to the last 16-bit id; no fixed command
// lies in that range.
inline constexpr std::uint16_t kLastArrangementCommand = 0xFFFF;
inline constexpr std::int32_t kLastCommandArrangement =
    kLastArrangementCommand - kArrangementCommand;

constexpr std::uint16_t ArrangementCommand(std::int32_t number) {
    return static_cast<std::uint16_t>(kArrangementCommand + number);
}
constexpr std::int32_t ArrangementOfCommand(std::uint16_t command) {
    return static_cast<std::int32_t>(command) - kArrangementCommand;
}

// Whether a (custom) arrangement number has a command id of its own; one
// beyond the ids is listed without a command.
constexpr bool HasArrangementCommand(std::int64_t number) {
    return number >= 1 && number <= kLastCommandArrangement;
}

}  // namespace tavrel
