// The seven program-wide settings, held in memory between saves. Between
// two saves the memory copy is the truth; only the settings store moves
// them to and from the registry.
#pragma once

#include <cstdint>

namespace tavrel {

struct Settings {
    std::int32_t arrage = 29;               // current arrangement number
    std::int32_t skin = 2;                  // 0 to 4; others apply no skin
    std::int32_t textColor = 255;           // icon caption colour, 0x00BBGGRR
    std::int32_t showHideIcon = 1;          // 1: desktop icons shown, 0: hidden
    std::int32_t flashScreen = 60;          // refresh period, seconds
    std::int32_t customCount = 0;           // saved layouts
    std::int32_t customCharacterCount = 0;  // custom characters
};

}  // namespace tavrel
