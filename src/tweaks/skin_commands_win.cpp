#include "tweaks/skin_commands_win.h"

#include "core/commands.h"
#include "tweaks/skins.h"

namespace tavrel {
namespace {

constexpr CommandRow<SkinCommands> kRows[] = {
    {kCmdSkin0, kCmdSkin0, &SkinCommands::Skin0Click},
    {kCmdSkin1, kCmdSkin1, &SkinCommands::Skin1Click},
    {kCmdSkin2, kCmdSkin2, &SkinCommands::Skin2Click},
    {kCmdSkin3, kCmdSkin3, &SkinCommands::Skin3Click},
    {kCmdSkin4, kCmdSkin4, &SkinCommands::Skin4Click},
};

}  // namespace

void SkinCommands::Register(CommandTable& table) {
    table.AddRows(*this, kRows);
}

void SkinCommands::Skin0Click(const CommandEvent&) {
    Apply(0);
}
void SkinCommands::Skin1Click(const CommandEvent&) {
    Apply(1);
}
void SkinCommands::Skin2Click(const CommandEvent&) {
    Apply(2);
}
void SkinCommands::Skin3Click(const CommandEvent&) {
    Apply(3);
}
void SkinCommands::Skin4Click(const CommandEvent&) {
    Apply(4);
}

void SkinCommands::ApplyStoredSkin() {
    using Handler = void (SkinCommands::*)(const CommandEvent&);
    constexpr Handler kHandlers[] = {&SkinCommands::Skin0Click, &SkinCommands::Skin1Click,
                                     &SkinCommands::Skin2Click, &SkinCommands::Skin3Click,
                                     &SkinCommands::Skin4Click};
    if (settings_.skin >= 0 && settings_.skin < kSkinCount) {
        (this->*kHandlers[settings_.skin])(CommandEvent{});
    }
}

void SkinCommands::Apply(std::int32_t skin) {
    settings_.skin = skin;
    MenuPainterProperties properties = painter_.properties();
    if (!ApplySkin(skin, properties)) {
        return;
    }
    painter_.SetProperties(properties);
    // The window takes the colour the painter now holds.
    if (setWindowColour_) {
        setWindowColour_(painter_.properties().iconBackColor);
    }
}

}  // namespace tavrel
