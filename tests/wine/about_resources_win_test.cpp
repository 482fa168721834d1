// The about window's and help window's data as the built program carries
// it: the version resource, the picture and the two pages of tavrel.exe.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>

#include "resources/resource_ids.h"
#include "windows/resources_win.h"
#include "windows/version_info_win.h"

namespace tavrel {
namespace {

// tavrel.exe lies beside the test program.
std::wstring ProgramPath(const wchar_t* name = L"tavrel.exe") {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

TEST(ReadVersionInfo, TheProgramsOwnResource) {
    TFileInfo info;
    ASSERT_TRUE(ReadVersionInfo(ProgramPath(), info, L"WOW Version"));
    EXPECT_EQ(info.productVersion, L"2.00");
    EXPECT_EQ(info.fileVersion, L"2.0.0.1300");
    EXPECT_EQ(info.productName, L"Tavrel");
    EXPECT_EQ(info.internalName, L"Tavrel");
    EXPECT_EQ(info.companyName, L"Quorral");
    EXPECT_EQ(info.extra, L"");  // no such key
    // The fixed block starts with its signature and holds 2.0.0.1300.
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, info.fixedInfo.data(), sizeof(fixed));
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00020000u);
    EXPECT_EQ(fixed.dwFileVersionLS, 1300u);
    EXPECT_EQ(VersionCaption(info), L"v2.00  Build 1300");
}

TEST(ReadVersionInfo, AFileWithoutResourceLeavesTheRecordAlone) {
    const std::wstring path = ProgramPath(L"no_version.txt");
    std::ofstream(path.c_str()) << "plain text";
    TFileInfo info;
    info.productVersion = L"untouched";
    EXPECT_FALSE(ReadVersionInfo(path, info, L""));
    EXPECT_EQ(info.productVersion, L"untouched");
    EXPECT_FALSE(ReadVersionInfo(ProgramPath(L"does_not_exist.exe"), info, L""));
    ::DeleteFileW(path.c_str());
}

class ProgramResources : public ::testing::Test {
  protected:
    void SetUp() override {
        module_ = ::LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override {
        if (module_ != nullptr) {
            ::FreeLibrary(module_);
        }
    }
    HMODULE module_ = nullptr;
};

TEST_F(ProgramResources, ThePictureDecodesFromTheExe) {
    const auto picture = LoadAboutPicture(module_);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 349);
    EXPECT_EQ(picture->height, 210);
    // The corner is keyed out: exact black.
    EXPECT_EQ(picture->pixels[0] + picture->pixels[1] + picture->pixels[2], 0);
    const unique_hbitmap bitmap = CreatePictureBitmap(*picture);
    ASSERT_TRUE(bitmap);
    BITMAP header{};
    ::GetObjectW(bitmap.get(), sizeof(header), &header);
    EXPECT_EQ(header.bmWidth, 349);
    EXPECT_EQ(header.bmHeight, 210);
}

TEST_F(ProgramResources, BothHelpPagesAreThere) {
    const std::wstring help = LoadHelpPage(module_, IDR_HELP_PAGE);
    const std::wstring news = LoadHelpPage(module_, IDR_WHATSNEW_PAGE);
    EXPECT_TRUE(help.starts_with(L"====="));
    EXPECT_NE(help.find(L"软件特点"), std::wstring::npos);
    EXPECT_NE(news.find(L"Tavrel - 更新历史"), std::wstring::npos);
    EXPECT_NE(news.find(L"\r\n"), std::wstring::npos);
    EXPECT_TRUE(ResourceBytes(module_, 999).empty());
}

}  // namespace
}  // namespace tavrel
