#include "windows/help.h"

#include <cstdint>

#include "windows/contact.h"

namespace tavrel {

const wchar_t* HelpCaption(HelpPage page) {
    return page == HelpPage::kHelp ? kHelpCaption : kWhatIsNewCaption;
}

namespace {

// Appends one code point, as UTF-16 (wchar_t is 16 bits on Windows, 32
// elsewhere: the texts are the same either way).
void AppendCodePoint(std::wstring& text, char32_t point) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (point >= 0x10000) {
            point -= 0x10000;
            text += static_cast<wchar_t>(0xD800 + (point >> 10));
            text += static_cast<wchar_t>(0xDC00 + (point & 0x3FF));
            return;
        }
    }
    text += static_cast<wchar_t>(point);
}

}  // namespace

std::optional<std::wstring> MemoText(std::string_view utf8) {
    if (utf8.starts_with("\xEF\xBB\xBF")) {
        utf8.remove_prefix(3);
    }
    std::wstring text;
    text.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        int extra = 0;
        char32_t point = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            point = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1, point = lead & 0x1Fu, smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, point = lead & 0x0Fu, smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, point = lead & 0x07u, smallest = 0x10000;
        } else {
            return std::nullopt;
        }
        if (utf8.size() - i <= static_cast<std::size_t>(extra)) {
            return std::nullopt;  // cut off in the middle of a character
        }
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<std::uint8_t>(utf8[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            point = point << 6 | (next & 0x3Fu);
        }
        if (point < smallest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
            return std::nullopt;  // over-long form, out of range or a lone surrogate
        }
        i += static_cast<std::size_t>(extra) + 1;
        if (point == U'\r') {
            continue;  // a CR LF in the file stays one line end
        }
        if (point == U'\n') {
            text += L"\r\n";
            continue;
        }
        AppendCodePoint(text, point);
    }
    return text;
}

namespace {

void ReplaceAll(std::wstring& text, std::wstring_view placeholder, std::wstring_view value) {
    for (std::size_t at = text.find(placeholder); at != std::wstring::npos;
         at = text.find(placeholder, at + value.size())) {
        text.replace(at, placeholder.size(), value);
    }
}

}  // namespace

std::optional<std::wstring> HelpPageText(std::string_view utf8) {
    auto text = MemoText(utf8);
    if (text) {
        ReplaceAll(*text, L"%WEBPAGE%", kWebPageAddress);
        ReplaceAll(*text, L"%SUPPORTMAIL%", kSupportMailAddress);
    }
    return text;
}

}  // namespace tavrel
