// The end of the program. A save that fails is reported, and the program
// ends all the same: a failing registry must never keep the user from
// quitting.
#pragma once

#include <string>

namespace tavrel {

class ExitSteps {
  public:
    virtual ~ExitSteps() = default;
    virtual void SaveSettings() = 0;
    // The general error report of a failed save.
    virtual void Report(const std::wstring& message) = 0;
    virtual void DeleteTrayIcon() = 0;
    virtual void EndMessageLoop() = 0;
};

// ExitClick: save, take the icon away, end.
void RunExitSequence(ExitSteps& steps);

}  // namespace tavrel
