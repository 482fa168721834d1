// Every arrangement, from a button, a menu item, start-up, the refresh or
// the demonstration, is performed here.
//
// Numbers 1 to 29 are the built-in arrangements; after them come the custom
// characters (CustomCharacterCount of them) and then the saved layouts
// (CustomCount of them). Every other number arranges nothing.
#pragma once

#include <cstdint>

#include "core/settings.h"
#include "common/busy_pause.h"
#include "desktop/desktop.h"

namespace tavrel {

inline constexpr std::int32_t kBuiltInArrangementCount = 29;
inline constexpr std::int32_t kEdgeSpacing = 75;
inline constexpr std::int32_t kParallelSpacing = 77;

// Whether an arrangement colours the icon captions itself, so that the
// user's caption colour must not be put over it.
constexpr bool ColorsItsOwnCaptions(std::int32_t arrangement) {
    return arrangement == 24 || arrangement == 26 || arrangement == 27 || arrangement == 28;
}

// What the dispatcher needs from the rest of the program.
class ArrangementHost {
  public:
    virtual ~ArrangementHost() = default;
    virtual void SaveSettings() = 0;
    virtual void ShowDigitalClock() = 0;
    // k counts from 1.
    virtual void DrawCustomCharacter(std::int32_t k) = 0;
    virtual void RestoreSavedLayout(std::int32_t k) = 0;
    virtual void Pause(std::uint32_t steps) = 0;
    // The desktop snaps or arranges the icons itself, so no figure can
    // appear: the user is told how to switch that off. Asked once per run.
    virtual void NoticeSelfArrangingDesktop(DesktopListStyles) {}
    // The same desktop, when the user has just chosen an arrangement: true
    // when the user wants both switched off so the figure can show. Asked
    // once per run.
    virtual bool AskToSwitchOffSelfArranging(DesktopListStyles) { return false; }
};

class Dispatcher {
  public:
    Dispatcher(DesktopAccess& desktop, Settings& settings, ArrangementHost& host)
        : desktop_(desktop), settings_(settings), host_(host) {}

    // Start-up, the refresh and a changed screen perform the current
    // arrangement through this.
    void PerformArrangement(std::int32_t number);
    // A button or a menu item with this Tag was chosen: it becomes the
    // current arrangement, then it is performed.
    void ChooseArrangement(std::int32_t tag);
    // The refresh: save, recolour, perform the current arrangement again.
    void Timer2Timer();
    // Every arrangement in turn, then the desktop hidden and shown again.
    // The current arrangement stays as it is.
    void DemonstrateAll();

  private:
    // What an arrangement does about a desktop that arranges its icons
    // itself: one the user started offers to switch that off, any other
    // tells of it.
    enum class StartedBy { kProgram, kUser };
    void Perform(std::int32_t number, StartedBy startedBy);
    void PerformBuiltIn(std::int32_t number);
    // Looks at the desktop's own arranging until it has been found on once.
    void CheckSelfArranging();
    // Until the user has been asked once.
    void OfferToSwitchOffSelfArranging();
    void ApplyUserCaptionColor();

    DesktopAccess& desktop_;
    Settings& settings_;
    ArrangementHost& host_;
    bool toldOfSelfArranging_ = false;
    bool askedToSwitchOff_ = false;
};

}  // namespace tavrel
