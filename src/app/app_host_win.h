// What the dispatcher asks of the running program, on Windows.
#pragma once

#include <functional>

#include "core/dispatcher.h"
#include "core/registry_win.h"
#include "core/settings_store.h"
#include "textlayouts/custom_positions.h"
#include "textlayouts/icon_text_win.h"

namespace tavrel {

class AppHost final : public ArrangementHost {
  public:
    AppHost(DesktopAccess& desktop, Settings& settings, SettingsRegistry& store,
            RegistryAccess& registry, RegistryRoot root)
        : desktop_(desktop), settings_(settings), store_(store), registry_(registry), root_(root) {}

    void SaveSettings() override { tavrel::SaveSettings(settings_, store_); }
    void ShowDigitalClock() override { tavrel::ShowDigitalClock(desktop_); }
    void DrawCustomCharacter(std::int32_t k) override {
        if (const std::optional<std::wstring> text = ReadCustomCharacter(registry_, root_, k)) {
            DrawTextWithIcons(desktop_, *text);
        }
    }
    void RestoreSavedLayout(std::int32_t k) override {
        RestoreIconLayout(desktop_, {registry_, root_}, LayoutKeyPath(k));
    }
    void Pause(std::uint32_t steps) override { BusyCount(steps); }
    void NoticeSelfArrangingDesktop(DesktopListStyles styles) override {
        if (notice_) {
            notice_(styles);
        }
    }
    void SetSelfArrangingNotice(std::function<void(DesktopListStyles)> notice) {
        notice_ = std::move(notice);
    }
    bool AskToSwitchOffSelfArranging(DesktopListStyles styles) override {
        return question_ && question_(styles);
    }
    void SetSelfArrangingQuestion(std::function<bool(DesktopListStyles)> question) {
        question_ = std::move(question);
    }

  private:
    DesktopAccess& desktop_;
    Settings& settings_;
    SettingsRegistry& store_;
    RegistryAccess& registry_;
    RegistryRoot root_;
    std::function<void(DesktopListStyles)> notice_;
    std::function<bool(DesktopListStyles)> question_;
};

}  // namespace tavrel
