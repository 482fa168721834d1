// The shell requests for real: ShellExecuteW.
#pragma once

#include "windows/contact.h"

namespace tavrel {

class ShellExecuteSeam : public ShellSeam {
  public:
    // The result is not looked at: when no browser or mail program answers,
    // nothing is reported.
    void Execute(void* owner, const ShellRequest& request) override;
};

}  // namespace tavrel
