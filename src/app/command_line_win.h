// What a copy started with a command does by itself: the notice of /? and
// of wrong usage, handing the command to the copy that runs, and the
// removal when no copy runs.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "core/command_line.h"

namespace tavrel {

// How long a second copy waits for the running copy's answer, start-up
// included.
inline constexpr std::chrono::milliseconds kHandingTime{5000};

// The notice listing the commands.
void ShowCommandLineHelp();

// The running copy's control window: a window of the control window's
// class whose owner is the program's application window ("TApplication",
// titled "Tavrel") of the same process. Null when there is none.
HWND FindRunningControlWindow();

// Hands the command to the running copy (WM_COPYDATA to its control
// window); the exit code: done, or failed when it has no control window,
// refused the message (a copy of higher integrity does), did not answer in
// time, or answered that the command failed.
int HandToRunningCopy(const ProgramCommand& command, std::chrono::milliseconds wait = kHandingTime);

// /uninstall while no copy runs: asks, removes, says what remains. The
// exit code: done only when the user said Yes and nothing remains.
int UninstallWithoutRunningCopy();

}  // namespace tavrel
