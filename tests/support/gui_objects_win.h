// How many GDI and USER objects this process holds, for leak tests.
//
// GetGuiResources answers on Windows. Wine's answers 0, so there every
// slot of the handle tables is asked instead: GetObjectType for GDI
// objects, IsWindow (of this process) and IsMenu for USER objects. A handle
// without a high word matches whatever object lives in its slot.
#pragma once

#include <windows.h>

#include <cstddef>

namespace tavrel::testing {

std::size_t CountGdiObjects();
std::size_t CountUserObjects();

}  // namespace tavrel::testing
