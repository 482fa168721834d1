// Runs tavrel.exe as a separate process for a test, finds its windows and
// talks to them the way the shell and the user would.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "common/unique_handle_win.h"
#include "core/settings.h"
#include "standin_desktop/standin_client_win.h"

namespace tavrel::testing {

class RunningProgram {
  public:
    // `arguments` follow the program's quoted path on its command line.
    explicit RunningProgram(const std::wstring& exeName = L"tavrel.exe",
                            const std::wstring& arguments = L"");
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram();

    bool Started() const { return static_cast<bool>(process_); }
    DWORD ProcessId() const { return processId_; }
    // The exit code once it ended within the time, else nothing.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout) const;
    // A top-level window of this process with the given class (and caption,
    // when one is given), waiting for it to appear.
    HWND FindWindowOf(const std::wstring& className, const std::wstring& caption,
                      std::chrono::milliseconds timeout) const;

  private:
    unique_process process_;
    DWORD processId_ = 0;
};

// How long a start of the program may take under Wine on a busy machine.
inline constexpr std::chrono::seconds kStartTime{60};
// How long a test waits for what must come: long enough for a loaded
// machine (two Wine tests and more on two cores), so that only a test that
// is really stuck runs into it. A test that passes never waits it out.
inline constexpr std::chrono::seconds kPatience{60};

// The program's control window once the start-up has ended (the splash has
// gone): from then on a command sent to it has run when the call returns.
// Commands that come during the start-up run only once it has ended.
// Nothing when the start-up did not end within kStartTime.
HWND ControlWindowOf(const RunningProgram& program);
// A command of the control window, as its menus and buttons give it; back
// when the command has run. A command still running after a bound (waiting
// on a box nobody answers) fails the test.
void Command(HWND control, std::uint16_t command);
// Ends the program through its exit command and expects a clean end.
void ExitAndExpectCleanEnd(const RunningProgram& program);

// Waits until the program has handled what was posted to it before: a
// refresh posted behind it saves the settings over a value the program
// never writes. The settings as saved then; nothing when no save came
// within a bound only a stuck program reaches (the refresh waits while an
// error report is open). The refresh performs the current arrangement too.
std::optional<Settings> SettingsOnceIdle(HWND control);

// The program's settings trees forgotten (the autorun values stay), then
// these settings stored under HKEY_LOCAL_MACHINE, where the test prefix
// lets the program keep them.
void StoreSettings(const Settings& settings);

// Settings that start the program without moving an icon.
Settings ArrangingNothing();

// Whether the stand-in's icon `index` stands at (x, y).
bool IconAt(const standin::StandinDesktop& standin, std::size_t index, int x, int y);

bool FileExists(const std::wstring& path);

// The text of a message box window (its static text control).
std::wstring MessageBoxText(HWND box);

// Waits until `condition` holds or the time runs out.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// Removes everything the program keeps in the registry, so that the next
// start is a first start.
void ForgetProgramSettings();

// Forgets them, then stores these settings under HKEY_LOCAL_MACHINE (the
// root a run of the program with full rights keeps them under).
void StoreFreshSettings(const Settings& settings);

// Puts the pointer at a screen point and tells the window there, of
// whichever process, that the mouse moved. Under Wine a set position
// settles only after a moment (the position before may come back for a
// while) and its last step sends no mouse message; this waits until it has
// settled, then posts the move a real mouse would have caused.
void PointerTo(POINT point);
// Waits, within kPatience, until `condition` holds with the pointer kept at
// `point`: a position from before that Wine reads back late, on a busy
// machine even after the pointer had settled, is set right again.
bool WaitWithPointerAt(POINT point, const std::function<bool()>& condition);

// Has a window of any thread paint itself and its controls now, before a
// screenshot.
void PaintNow(HWND window);

// A screenshot of the whole screen as a 24-bit BMP file.
bool SaveScreenshot(const std::wstring& path);

}  // namespace tavrel::testing
