// The autorun value "Tavrel" under every root where the system may find it.
//
// Which root the program wrote it to depends on who ran it (the settings
// root of that run), so switching autorun off for good, or removing the
// program, must look in each of them.
#pragma once

#include <array>
#include <vector>

#include "common/registry.h"

namespace tavrel {

// The user's Run key, and the machine's in the program's own view and in
// the shell's: for a 32-bit program on 64-bit Windows these are two keys,
// and the system starts what either of them names.
inline constexpr std::array<RegistryRoot, 3> kAutorunRoots = {
    RegistryRoot::kCurrentUser, RegistryRoot::kLocalMachine, RegistryRoot::kLocalMachineShellView};

struct AutorunRemoval {
    // Where the value was, and is no more.
    std::vector<RegistryRoot> removed;
    // Where it is still, because it could not be removed: a machine-wide
    // value that a standard user may read but not delete.
    std::vector<RegistryRoot> remaining;
};

// Removes the value, whatever its data or type, from every root where it
// exists and can be removed.
AutorunRemoval RemoveAutorunEverywhere(RegistryAccess& registry);

// Whether the program starts with Windows: a value with any text under the
// Run key of any of the roots. A value that is no string fails with
// "Invalid data type for 'Tavrel'".
bool AutorunSet(RegistryAccess& registry);

// What switching autorun off leaves for an administrator: told when a
// machine-wide value could not be removed.
inline constexpr wchar_t kAutorunLeftNotice[] =
    L"本机所有用户的“系统启动时自动运行”设置只有管理员才能取消：请以管理员身份运行本软件后再取消一"
    L"次。";

// Whether a value remains that only an administrator can remove.
bool MachineWideRemains(const AutorunRemoval& removal);

}  // namespace tavrel
