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

}  // namespace tavrel
