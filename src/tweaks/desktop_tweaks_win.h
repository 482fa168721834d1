// The system's side of the desktop tweaks: the system directory, the
// broadcast of changed metrics, the colour chooser and the registry
// failure box, all owned by the control window.
#pragma once

#include <windows.h>

#include "common/window_win.h"
#include "tweaks/desktop_tweaks.h"

namespace tavrel {

class Win32TweakPlatform final : public TweakPlatform {
  public:
    // The owner is asked for its window when a dialog is shown, so the
    // platform can be made before it.
    explicit Win32TweakPlatform(const Window& owner) : owner_(owner) {}

    std::wstring SystemDirectory() override;
    void BroadcastMetricsChange() override;
    std::optional<ColorRef> PickColor(ColorRef initial, CustomColors& customColors) override;
    void ShowRegistryFailure() override;

  private:
    const Window& owner_;
};

}  // namespace tavrel
