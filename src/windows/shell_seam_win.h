// The shell requests for real: ShellExecuteW.
#pragma once

#include "windows/contact.h"

namespace tavrel {

class ShellExecuteSeam : public ShellSeam {
  public:
    // The result is not looked at: when no browser or mail program answers,
    // nothing is reported.
    void Execute(void* owner, const ShellRequest& request) override;

    // What the shell answered the last time (above 32 when it took the
    // request), for the program's tests; nothing else looks at it.
    long long lastResult() const { return lastResult_; }

  private:
    long long lastResult_ = 0;
};

}  // namespace tavrel
