// The about window's rules, apart from the window: the version caption read
// from the program's own version resource, and the two links' looks.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "windows/jpeg_image.h"

namespace tavrel {

// The about picture fills the window exactly.
inline constexpr int kAboutWidth = 349;
inline constexpr int kAboutHeight = 210;

// Shown when the version resource cannot be read or its file version holds
// no ".", so no build number can be taken from it.
inline constexpr wchar_t kDesignedVersionCaption[] = L"v 2.00  Build 1300";
// The key read beside the ten of TFileInfo (its value is not used).
inline constexpr wchar_t kAboutExtraVersionKey[] = L"WOW Version";

inline constexpr wchar_t kUrlHint[] = L"如果您想了解软件更多的信息，请在此访问软件主页！";
inline constexpr wchar_t kEmailHint[] = L"如果您发现本软件有什么问题，或有好的建议请告诉我！";

// A file's version resource, as far as the program reads it.
struct TFileInfo {
    std::wstring companyName;
    std::wstring fileDescription;
    std::wstring fileVersion;
    std::wstring internalName;
    std::wstring legalCopyright;
    std::wstring legalTrademarks;
    std::wstring originalFileName;
    std::wstring productName;
    std::wstring productVersion;
    std::wstring comments;
    // The fixed file information block (VS_FIXEDFILEINFO), copied whole.
    std::array<std::uint8_t, 52> fixedInfo{};
    // The value of the key the caller named.
    std::wstring extra;
};

// The keys of TFileInfo's ten strings, in its order.
inline constexpr std::array<const wchar_t*, 10> kFileInfoKeys = {
    L"CompanyName",     L"FileDescription",  L"FileVersion", L"InternalName",   L"LegalCopyright",
    L"LegalTrademarks", L"OriginalFileName", L"ProductName", L"ProductVersion", L"Comments"};

// Where a language's strings lie: "\StringFileInfo\" + language + code page
// (each four upper-case hexadecimal digits) + "\".
std::wstring StringFileInfoPrefix(std::uint16_t language, std::uint16_t codePage);

// The version caption: "v" + product version + "  Build " + the part of the
// file version after its last "." (the designed caption when there is none).
std::wstring VersionCaption(const std::optional<TFileInfo>& info);

// The two links under the picture. Moving over a link highlights it (italic,
// underlined, red); only moving over the picture puts both back.
class AboutLinks {
  public:
    enum class Link { kUrl, kEmail };
    void MouseOverLink(Link link);
    void MouseOverPicture();
    bool highlighted(Link link) const { return link == Link::kUrl ? url_ : email_; }

  private:
    bool url_ = false;
    bool email_ = false;
};

// The window keys out black, and only exact black. A JPEG never gives back
// exact black near an edge, so pixels darker than this in all three
// channels are made black before the picture is shown; the picture keeps
// its own dark colours above it.
inline constexpr std::uint8_t kKeyBlackLimit = 32;
void SettleKeyBlack(Image& image);

// The links' colours, 0x00BBGGRR: yellow at rest, red when highlighted.
inline constexpr std::uint32_t kLinkColour = 0x00FFFF;
inline constexpr std::uint32_t kLinkHighlightColour = 0x0000FF;

}  // namespace tavrel
