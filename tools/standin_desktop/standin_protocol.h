// Messages that tests send to the stand-in desktop's "Progman" window.
#pragma once

#include <windows.h>

namespace standin {

// Write the state file: colours, every item, the message journal.
inline constexpr UINT kDumpStateMessage = WM_APP + 0x51;
// Forget the journal.
inline constexpr UINT kClearJournalMessage = WM_APP + 0x52;
// Stop answering for wParam milliseconds, as a shell in trouble does: at
// once when lParam is 0, else right after the list view has taken lParam
// more LVM_SETITEMPOSITION messages. The sender of the message that starts
// the hang is released first, then the stand-in's only thread (the list
// view's) sleeps.
inline constexpr UINT kHangMessage = WM_APP + 0x53;

}  // namespace standin
