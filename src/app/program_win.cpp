#include "app/program_win.h"

#include "core/menus.h"
#include "core/show_hide.h"

#include "app/control_layout.h"
#include "common/error_report_win.h"
#include "styling/gdi_plan_win.h"
#include "tweaks/skins.h"

namespace tavrel {

Program::Program(ProgramSystem system)
    : desktop_(system.desktop != nullptr ? *system.desktop : realDesktop_),
      registry_(system.registry != nullptr ? *system.registry : realRegistry_),
      programPath_(system.programPath.empty() ? ProgramPath() : std::move(system.programPath)),
      settingsRoot_(ChooseSettingsRoot(registry_)),
      store_(registry_, settingsRoot_, programPath_),
      host_(desktop_, settings_, store_, registry_, settingsRoot_),
      dispatcher_(desktop_, settings_, host_),
      control_(model_, commands_, hints_),
      model_(control_),
      application_(model_),
      tray_(model_, registry_, settingsRoot_),
      refresh_([this] { dispatcher_.Timer2Timer(); }),
      follower_(desktop_, [this] { dispatcher_.PerformArrangement(settings_.arrage); }),
      appCommands_(dispatcher_, settings_, store_, desktop_, model_, tray_, refresh_, follower_),
      prompts_(control_),
      tweakCommands_({settings_, store_, registry_, settingsRoot_, desktop_, dispatcher_, refresh_,
                      prompts_, control_, programPath_}),
      skins_(settings_, painter_, [this](ColorRef colour) { control_.SetColour(colour); }),
      windows_(model_, shell_, hints_),
      customCommands_(desktop_, registry_, settingsRoot_, settings_, prompts_),
      programCommands_({dispatcher_, appCommands_, tray_, registry_, settingsRoot_, settings_,
                        desktop_, prompts_, control_, programPath_}) {}

Program::~Program() = default;

bool Program::Create(HINSTANCE instance) {
    if (!application_.Create(instance) || !control_.Create(instance, application_.hwnd())) {
        return false;
    }
    controlHooks_.push_back(control_.AddHook(gate_));
    application_.SetControlWindow(control_.hwnd());
    host_.SetSelfArrangingNotice([this](DesktopListStyles) {
        tray_.Notify(kSelfArrangingNoticeTitle, kSelfArrangingNoticeText);
    });
    host_.SetSelfArrangingQuestion(
        [this](DesktopListStyles) { return prompts_.AskYesNo(kSelfArrangingQuestionText); });
    tray_.Create(instance, control_.hwnd());
    // Before the notification-area icon, which answers "TaskbarCreated".
    follower_.Start(control_.hwnd());
    controlHooks_.push_back(control_.AddHook(follower_));
    controlHooks_.push_back(control_.AddHook(tray_));
    controlHooks_.push_back(control_.AddHook(refresh_));
    customCommands_.AttachMenu(tray_.MainMenu());
    controlHooks_.push_back(control_.AddHook(customCommands_));
    StyleControlWindow();
    appCommands_.Register(commands_, control_.hwnd());
    tweakCommands_.Register(commands_);
    skins_.Register(commands_);
    windows_.Attach(instance, application_.hwnd(), control_.hwnd());
    windows_.Register(commands_);
    customCommands_.Register(commands_);
    controlHooks_.push_back(programCommands_.Attach());
    GuardCommand(control_.hwnd(), [this] { FormCreate(); });
    return true;
}

void Program::FormCreate() {
    // Both timers run from the window's creation.
    tray_.StartAnimation();
    refresh_.Start(control_.hwnd());
    // A damaged value ends the loading with its report, but what follows
    // needs no setting: above all the notification-area icon, without which
    // the program could be neither reached nor ended.
    GuardCommand(control_.hwnd(), [this] { LoadSettings(settings_, store_, *this); });
    control_.SetHintTiming();
    tray_.AddIcon();
}

void Program::ApplyTextColor() {
    ApplyIconTextColors(desktop_, static_cast<ColorRef>(settings_.textColor), kClrNone);
}

void Program::PerformArrangement() {
    dispatcher_.PerformArrangement(settings_.arrage);
}

void Program::SetRefreshInterval() {
    refresh_.SetPeriod(settings_.flashScreen);
}

void Program::SetShowHideCaption() {
    // The stored value may no longer be what the desktop shows (a restart
    // shows every icon again): the desktop, when it answers, has the say.
    FollowDesktopShown(desktop_, settings_);
    tray_.SetShowHideCaption(settings_.showHideIcon);
}

void Program::StyleControlWindow() {
    painter_.SetOwner(control_.hwnd());
    painter_.SetImages(tray_.Pictures());
    painter_.AddMenu(tray_.MainMenu());
    painter_.AddMenu(tray_.SystemMenu());
    const auto& layout = ControlButtons();
    const std::vector<HWND>& buttons = control_.PictureButtons();
    for (std::size_t i = 0; i < buttons.size() && i < layout.size(); ++i) {
        FlatButtonSpec face;
        face.glyph = ImageListPicture(control_.Glyphs(), layout[i].glyph, 0xFF00FF);
        face.layout = GlyphLayout::kTop;
        painter_.controls().AddBitmapButton(buttons[i], std::move(face));
    }
    controlHooks_.push_back(control_.AddHook(painter_));
    painter_.SetProperties(DesignedMenuPainter());
    control_.SetColour(kDesignedControlColor);
}

void Program::ApplySkin() {
    skins_.ApplyStoredSkin();
}

void Program::CreateShortcut(int folder, const std::wstring& name) {
    tweakCommands_.CreateShortcut(folder, name);
}

bool Program::AskWelcome(const std::wstring& text) {
    return prompts_.AskYesNo(text);
}

void Program::DemonstrateAll() {
    dispatcher_.DemonstrateAll();
}

}  // namespace tavrel
