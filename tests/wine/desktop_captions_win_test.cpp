// Captions and positions read out of a shell of either word size, whether
// its list view keeps the captions itself or asks its parent for them.
#include "desktop/desktop_win.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "patterns/edges.h"
#include "standin_desktop/standin_client_win.h"

namespace tavrel {
namespace {

using standin::StandinDesktop;
using standin::StandinOptions;
using standin::StandinTexts;

const char* NameOf(StandinTexts texts) {
    switch (texts) {
        case StandinTexts::kPlain:
            return "plain texts";
        case StandinTexts::kCallback:
            return "callback texts copied into the buffer";
        case StandinTexts::kCallbackPointer:
            return "callback texts answered with a pointer of the shell's own";
    }
    return "?";
}

const std::wstring kLong259(259, L'a');
const std::wstring kLong300(300, L'b');

const std::vector<std::wstring> kCaptions = {
    L"Readme.txt", L"我的电脑", L"", L"回收站 (2)", L"Internet Explorer", kLong259, kLong300};
// What the list view hands back for them: the 300-character caption cut to
// what fits an area of 260 characters with its terminator.
const std::vector<std::wstring> kExpected = {L"Readme.txt",          L"我的电脑",          L"",
                                             L"回收站 (2)",          L"Internet Explorer", kLong259,
                                             std::wstring(259, L'b')};

// A 64-bit build on a machine whose kernel runs no 32-bit programs (the Wine
// runner says so) has no shell of the other size to talk to.
bool OtherSizeCannotRun() {
    return sizeof(void*) == 8 && ::_wgetenv(L"TAVREL_NO_32BIT") != nullptr;
}
constexpr char kNoOtherSize[] = "this machine runs no 32-bit programs";

void ExpectEveryCaptionAndPosition(bool otherWordSize, StandinTexts texts) {
    StandinOptions options;
    options.captions = kCaptions;
    options.texts = texts;
    options.otherWordSize = otherWordSize;
    StandinDesktop standin(options);
    ASSERT_TRUE(standin.Started());
    const bool self64 = sizeof(void*) == 8;
    ASSERT_EQ(standin.Is64Bit(), otherWordSize ? !self64 : self64)
        << "the stand-in of the intended size";

    Win32Desktop desktop;
    ArrangeLeftEdge(desktop, 75, 1);
    ASSERT_EQ(standin.ReadState().items[6].caption, kLong300)
        << "the stand-in holds the whole caption";

    auto reader = desktop.OpenIconReader();
    ASSERT_NE(reader, nullptr);
    ASSERT_EQ(reader->Count(), 7);
    for (std::int32_t i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const std::optional<DesktopIcon> icon = reader->ReadIcon(i);
        ASSERT_TRUE(icon.has_value());
        EXPECT_EQ(icon->caption, kExpected[static_cast<std::size_t>(i)]);
        EXPECT_EQ(icon->x, 22);
        EXPECT_EQ(icon->y, 2 + 75 * i);
    }
    EXPECT_FALSE(reader->ReadIcon(7).has_value()) << "beyond the list";
}

TEST(CaptionsAcrossWordSizes, FromAShellOfTheSameSize) {
    for (const StandinTexts texts :
         {StandinTexts::kPlain, StandinTexts::kCallback, StandinTexts::kCallbackPointer}) {
        SCOPED_TRACE(NameOf(texts));
        ExpectEveryCaptionAndPosition(false, texts);
    }
}

TEST(CaptionsAcrossWordSizes, FromAShellOfTheOtherSize) {
    if (OtherSizeCannotRun()) {
        GTEST_SKIP() << kNoOtherSize;
    }
    for (const StandinTexts texts :
         {StandinTexts::kPlain, StandinTexts::kCallback, StandinTexts::kCallbackPointer}) {
        SCOPED_TRACE(NameOf(texts));
        ExpectEveryCaptionAndPosition(true, texts);
    }
}

// The icon whose position the shell will not give reads as -1, -1; the
// next is read as ever.
void ExpectAnUnreadablePositionIsMinusOne(bool otherWordSize) {
    StandinOptions options;
    options.captions = std::vector<std::wstring>{L"一", L"二", L"三"};
    options.refusePosition = 1;
    options.otherWordSize = otherWordSize;
    StandinDesktop standin(options);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    auto reader = desktop.OpenIconReader();
    ASSERT_NE(reader, nullptr);
    const std::optional<DesktopIcon> icon = reader->ReadIcon(1);
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(icon->caption, L"二");
    EXPECT_EQ(icon->x, -1);
    EXPECT_EQ(icon->y, -1);
    EXPECT_EQ(reader->ReadIcon(2)->caption, L"三");
    EXPECT_NE(reader->ReadIcon(2)->x, -1);
}

TEST(CaptionsAcrossWordSizes, AnUnreadablePositionIsMinusOne) {
    ExpectAnUnreadablePositionIsMinusOne(false);
}

TEST(CaptionsAcrossWordSizes, AnUnreadablePositionIsMinusOneInTheOtherSizeToo) {
    if (OtherSizeCannotRun()) {
        GTEST_SKIP() << kNoOtherSize;
    }
    ExpectAnUnreadablePositionIsMinusOne(true);
}

TEST(CaptionsAcrossWordSizes, FiguresAndColoursReachAShellOfTheOtherSize) {
    if (OtherSizeCannotRun()) {
        GTEST_SKIP() << kNoOtherSize;
    }
    StandinOptions options;
    options.icons = 14;
    options.otherWordSize = true;
    StandinDesktop standin(options);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    ArrangeTopEdge(desktop, 75, 1);
    standin.ClearJournal();
    ApplyIconTextColors(desktop, RGB(0, 0, 255), CLR_NONE);
    const auto state = standin.ReadState();
    EXPECT_EQ(state.items[12].x, 946);
    EXPECT_EQ(state.items[13].y, 77);
    EXPECT_EQ(state.textColor, static_cast<std::uint32_t>(RGB(0, 0, 255)));
    EXPECT_EQ(state.textBackColor, CLR_NONE);
    ASSERT_EQ(state.journal.size(), 3u);
    EXPECT_EQ(state.journal[2].lParam, 13);
}

}  // namespace
}  // namespace tavrel
