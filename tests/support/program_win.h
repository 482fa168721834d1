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

namespace tavrel::testing {

class RunningProgram {
public:
    // `arguments` follow the program's quoted path on its command line.
    explicit RunningProgram(const std::wstring& exeName = L"tavrel.exe", const std::wstring& arguments = L"");
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

// A screenshot of the whole screen as a 24-bit BMP file.
bool SaveScreenshot(const std::wstring& path);

}  // namespace tavrel::testing
