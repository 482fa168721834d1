// The skin commands of the program menu's "皮肤效果" submenu: each sets
// the skin's sixteen properties of the control window's menu painter and
// gives the control window the picture column colour.
#pragma once

#include <cstdint>
#include <functional>

#include "core/settings.h"
#include "common/command_table.h"
#include "desktop/desktop.h"
#include "styling/menu_painter_win.h"

namespace tavrel {

class SkinCommands {
  public:
    // `setWindowColour` gets the colour as the painter holds it: a system
    // colour reference stays a reference.
    SkinCommands(Settings& settings, MenuPainter& painter,
                 std::function<void(ColorRef)> setWindowColour)
        : settings_(settings), painter_(painter), setWindowColour_(std::move(setWindowColour)) {}

    void Register(CommandTable& table);

    void Skin0Click(const CommandEvent& event);
    void Skin1Click(const CommandEvent& event);
    void Skin2Click(const CommandEvent& event);
    void Skin3Click(const CommandEvent& event);
    void Skin4Click(const CommandEvent& event);

    // At start-up: the stored skin's handler, when the stored number is a
    // skin; any other number applies nothing.
    void ApplyStoredSkin();

  private:
    void Apply(std::int32_t skin);

    Settings& settings_;
    MenuPainter& painter_;
    std::function<void(ColorRef)> setWindowColour_;
};

}  // namespace tavrel
