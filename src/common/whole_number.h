// Text typed where a whole number belongs (a refresh time, an icon size
// read from the shell's settings), turned into a signed 32-bit integer.
#pragma once

#include <cstdint>
#include <string>

namespace tavrel {

// Leading blanks, an optional sign and decimal digits, nothing after them,
// within the signed 32-bit range. Anything else fails with "'%s' is not a
// valid integer value", naming the text as it was given.
std::int32_t ParseWholeNumber(const std::wstring& text);

}  // namespace tavrel
