// Reading a file's version resource.
#pragma once

#include <string>

#include "windows/about_me.h"

namespace tavrel {

// Fills `info` from the version resource of `fileName`: the ten strings of
// the first translation, the fixed file information and, when `extraKey` is
// not empty, that key's string. False when the file has no version resource
// or it cannot be read; `info` is then left as it was.
bool ReadVersionInfo(const std::wstring& fileName, TFileInfo& info, const std::wstring& extraKey);

// The about window's version caption for the running program.
std::wstring OwnVersionCaption();

}  // namespace tavrel
