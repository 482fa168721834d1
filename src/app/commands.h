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
};

constexpr std::uint16_t ArrangementCommand(std::int32_t number) {
    return static_cast<std::uint16_t>(kArrangementCommand + number);
}

// The custom characters and saved layouts (30 and up) continue the same
// run of ids as far as 16 bits reach: arrangement numbers 1 to this one have
// a command, ArrangementCommand(number), and no id of it is a fixed command.
static_assert(kCmdAbout < kArrangementCommand, "fixed commands sit below the arrangement ids");
inline constexpr std::int32_t kLastCommandedArrangement = 0xFFFF - kArrangementCommand;

constexpr bool HasArrangementCommand(std::int64_t number) {
    return number >= 1 && number <= kLastCommandedArrangement;
}

// The arrangement a command id chooses, or 0 when it chooses none.
constexpr std::int32_t ArrangementOfCommand(std::uint16_t command) {
    return command > kArrangementCommand ? command - kArrangementCommand : 0;
}

}  // namespace tavrel
