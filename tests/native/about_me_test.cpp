#include "windows/about_me.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TFileInfo Versions(std::wstring product, std::wstring file) {
    TFileInfo info;
    info.productVersion = std::move(product);
    info.fileVersion = std::move(file);
    return info;
}

TEST(VersionCaption, ProductVersionAndTheBuildAfterTheLastDot) {
    EXPECT_EQ(VersionCaption(Versions(L"2.00", L"2.0.0.1300")), L"v2.00  Build 1300");
    EXPECT_EQ(VersionCaption(Versions(L"3.1", L"3.1.7")), L"v3.1  Build 7");
    EXPECT_EQ(VersionCaption(Versions(L"", L".42")), L"v  Build 42");
    // A trailing dot leaves an empty build.
    EXPECT_EQ(VersionCaption(Versions(L"2.00", L"2.0.")), L"v2.00  Build ");
}

TEST(VersionCaption, TheDesignedCaptionStaysWithoutResourceOrDot) {
    EXPECT_EQ(VersionCaption(std::nullopt), L"v 2.00  Build 1300");
    EXPECT_EQ(VersionCaption(Versions(L"2.00", L"1300")), L"v 2.00  Build 1300");
    EXPECT_EQ(VersionCaption(Versions(L"2.00", L"")), L"v 2.00  Build 1300");
}

TEST(StringFileInfoPrefix, LanguageAndCodePageInUpperCaseHex) {
    EXPECT_EQ(StringFileInfoPrefix(0x0804, 936), L"\\StringFileInfo\\080403A8\\");
    EXPECT_EQ(StringFileInfoPrefix(0x0409, 0x04B0), L"\\StringFileInfo\\040904B0\\");
    EXPECT_EQ(StringFileInfoPrefix(0, 0xFFFF), L"\\StringFileInfo\\0000FFFF\\");
}

TEST(AboutLinks, LinksLightUpAndOnlyThePicturePutsThemBack) {
    using Link = AboutLinks::Link;
    AboutLinks links;
    EXPECT_FALSE(links.highlighted(Link::kUrl));
    EXPECT_FALSE(links.highlighted(Link::kEmail));
    links.MouseOverLink(Link::kUrl);
    EXPECT_TRUE(links.highlighted(Link::kUrl));
    EXPECT_FALSE(links.highlighted(Link::kEmail));
    // Straight from one link to the other: both stay lit.
    links.MouseOverLink(Link::kEmail);
    EXPECT_TRUE(links.highlighted(Link::kUrl));
    EXPECT_TRUE(links.highlighted(Link::kEmail));
    links.MouseOverPicture();
    EXPECT_FALSE(links.highlighted(Link::kUrl));
    EXPECT_FALSE(links.highlighted(Link::kEmail));
    // Whichever was lit, the picture restores it.
    links.MouseOverLink(Link::kEmail);
    links.MouseOverPicture();
    EXPECT_FALSE(links.highlighted(Link::kEmail));
    EXPECT_FALSE(links.highlighted(Link::kUrl));
}

}  // namespace
}  // namespace tavrel
