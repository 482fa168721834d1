// The shell link object, the system's version and the file system, for the
// shortcut rules. COM must be initialised on the calling thread (the
// program does so at start-up, single-threaded).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "tweaks/shortcuts.h"

namespace tavrel {

class Win32ShortcutPlatform final : public ShortcutPlatform {
  public:
    // The shell link object through its Unicode interface and IPersistFile;
    // an Error with the system's text when either cannot be had.
    std::unique_ptr<ShellLink> CreateShellLink() override;
    // What GetVersionExW reports to this program.
    PlatformVersion Version() override;
    bool DirectoryExists(const std::wstring& path) override;
};

// The system's text for a failed COM call, as the general error report
// shows it: without the line break and full stop at its end.
std::wstring ComErrorText(HRESULT result);

}  // namespace tavrel
