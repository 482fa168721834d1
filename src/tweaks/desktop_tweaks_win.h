// The system's side of the desktop tweaks: the system directory, the
// broadcast of changed metrics, the colour chooser and the registry
// failure box, all owned by the control window.
#pragma once

#include <windows.h>

#include "tweaks/desktop_tweaks.h"

namespace tavrel {

class Win32TweakPlatform final : public TweakPlatform {
  public:
    explicit Win32TweakPlatform(HWND owner) : owner_(owner) {}

    std::wstring SystemDirectory() override;
    void BroadcastMetricsChange() override;
    std::optional<ColorRef> PickColor(ColorRef initial, CustomColors& customColors) override;
    void ShowRegistryFailure() override;

  private:
    HWND owner_;
};

}  // namespace tavrel
