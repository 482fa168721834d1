// Messages that tests send to the stand-in desktop's "Progman" window.
#pragma once

#include <windows.h>

namespace standin {

// Write the state file: colours, every item, the message journal.
inline constexpr UINT kDumpStateMessage = WM_APP + 0x51;
// Forget the journal.
inline constexpr UINT kClearJournalMessage = WM_APP + 0x52;

}  // namespace standin
