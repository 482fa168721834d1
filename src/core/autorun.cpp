#include "core/autorun.h"

#include "core/settings_registry.h"

namespace tavrel {

AutorunRemoval RemoveAutorunEverywhere(RegistryAccess& registry) {
    AutorunRemoval removal;
    for (RegistryRoot root : kAutorunRoots) {
        // Where both machine roots are one key, the second finds nothing.
        if (!registry.ValueExists(root, kRunKeyPath, kProductName)) {
            continue;
        }
        registry.DeleteValue(root, kRunKeyPath, kProductName);
        (registry.ValueExists(root, kRunKeyPath, kProductName) ? removal.remaining
                                                               : removal.removed)
            .push_back(root);
    }
    return removal;
}

bool AutorunSet(RegistryAccess& registry) {
    for (RegistryRoot root : kAutorunRoots) {
        if (!registry.ReadString(root, kRunKeyPath, kProductName).empty()) {
            return true;
        }
    }
    return false;
}

bool MachineWideRemains(const AutorunRemoval& removal) {
    for (RegistryRoot root : removal.remaining) {
        if (IsMachineRoot(root)) {
            return true;
        }
    }
    return false;
}

}  // namespace tavrel
