#include "common/whole_number.h"

#include "common/error.h"

namespace tavrel {

std::int32_t ParseWholeNumber(const std::wstring& text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == L' ') {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) {
        negative = text[at] == L'-';
        ++at;
    }
    if (at == text.size()) {
        throw NotAnInteger(text);
    }
    // The magnitude is kept in 64 bits and checked after every digit, so
    // that no digit string, however long, overflows on the way.
    constexpr std::int64_t kLargestMagnitude = std::int64_t{0x7FFF'FFFF} + 1;
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const wchar_t digit = text[at];
        if (digit < L'0' || digit > L'9') {
            throw NotAnInteger(text);
        }
        magnitude = magnitude * 10 + (digit - L'0');
        if (magnitude > kLargestMagnitude) {
            throw NotAnInteger(text);
        }
    }
    if (!negative && magnitude == kLargestMagnitude) {
        throw NotAnInteger(text);
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace tavrel
