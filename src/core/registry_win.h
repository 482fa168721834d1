// The program's place on the real system: the registry (see
// common/registry_win.h) and its own file.
#pragma once

#include <string>

#include "core/settings_registry.h"
#include "common/registry_win.h"

namespace tavrel {

// The full path of the running program file.
std::wstring ProgramPath();

}  // namespace tavrel
