// The fixed vocabulary of arrangements 1 to 29: one button on the control
// window and one item of the arrangement menu each, both carrying the
// number as their Tag. Captions and hints are exact, blanks included.
#pragma once

#include <array>
#include <cstdint>

namespace tavrel {

struct ArrangementEntry {
    std::int32_t number;
    const wchar_t* buttonName;
    const wchar_t* buttonCaption;
    const wchar_t* buttonHint;
    const wchar_t* menuName;
    const wchar_t* menuCaption;
};

extern const std::array<ArrangementEntry, 29> kArrangements;

}  // namespace tavrel
