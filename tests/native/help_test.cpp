#include "windows/help.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/read_file.h"

namespace tavrel {
namespace {

TEST(MemoText, LinesEndInCrLfAndTheBomGoes) {
    EXPECT_EQ(MemoText("a\nb\n"), L"a\r\nb\r\n");
    EXPECT_EQ(MemoText("a\r\nb"), L"a\r\nb");
    EXPECT_EQ(MemoText("\xEF\xBB\xBF"
                       "x"),
              L"x");
    EXPECT_EQ(MemoText(""), L"");
    EXPECT_EQ(MemoText("帮助 ·增加：©"), L"帮助 ·增加：©");
}

TEST(MemoText, CharactersBeyondTheBasicPlane) {
    const auto text = MemoText("\xF0\x9F\x98\x80");  // U+1F600
    ASSERT_TRUE(text.has_value());
    if constexpr (sizeof(wchar_t) == 2) {
        EXPECT_EQ(*text,
                  (std::wstring{static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)}));
    } else {
        EXPECT_EQ(*text, std::wstring(1, static_cast<wchar_t>(0x1F600)));
    }
}

TEST(MemoText, BytesThatAreNotUtf8AreRefused) {
    for (const char* bad : {"\x80", "a\xC3", "\xE5\xB8", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                            "\xF4\x90\x80\x80", "\xFF", "\xC3\x28", "\xB8\xAE\xE5"}) {
        EXPECT_FALSE(MemoText(bad).has_value()) << bad;
    }
    // Code page 936 bytes of "帮助", which a page must not hold.
    EXPECT_FALSE(MemoText("\xB0\xEF\xD6\xFA").has_value());
}

TEST(HelpCaption, EachPageHasItsCaption) {
    EXPECT_STREQ(HelpCaption(HelpPage::kHelp), L"帮帮我?");
    EXPECT_STREQ(HelpCaption(HelpPage::kWhatIsNew), L"有啥新东东?");
}

TEST(HelpHints, TwoLinesBrokenByOneCarriageReturn) {
    EXPECT_STREQ(kWWWUrlHint, L"      如果您想了解软件更多的\r信息，请在此访问软件主页！");
    EXPECT_STREQ(kEMailToHint, L"      如果您发现本软件有什么\r问题，或有好的建议请告诉我！");
    EXPECT_STREQ(kTakeToFirendHint, L"      如果您觉得这软件还不\r错，那么请告诉给您的朋友！");
}

// A page's lines, without their line ends.
std::vector<std::wstring> PageLines(const char* file) {
    const std::string bytes = testing::ReadFileText(std::string(TAVREL_RESOURCE_DIR) + "/" + file);
    EXPECT_FALSE(bytes.empty()) << file;
    const auto text = HelpPageText(bytes);
    EXPECT_TRUE(text.has_value()) << file << " is not UTF-8";
    std::vector<std::wstring> lines;
    if (!text) {
        return lines;
    }
    std::size_t start = 0;
    for (std::size_t end; (end = text->find(L"\r\n", start)) != std::wstring::npos;
         start = end + 2) {
        lines.push_back(text->substr(start, end - start));
    }
    if (start < text->size()) {
        lines.push_back(text->substr(start));
    }
    return lines;
}

bool IsRule(const std::wstring& line) {
    return line.size() >= 20 &&
           std::all_of(line.begin(), line.end(), [](wchar_t c) { return c == L'='; });
}

std::wstring Trimmed(const std::wstring& line) {
    const auto first = line.find_first_not_of(L' ');
    const auto last = line.find_last_not_of(L' ');
    return first == std::wstring::npos ? L"" : line.substr(first, last - first + 1);
}

bool Holds(const std::vector<std::wstring>& lines, const std::wstring& part) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::wstring& line) {
        return line.find(part) != std::wstring::npos;
    });
}

TEST(HelpPages, TheIntroductionHoldsTitleFactsIntroductionAndFifteenFeatures) {
    const auto lines = PageLines("help_page.txt");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_TRUE(IsRule(lines[0]));
    EXPECT_NE(lines[1].find(L"Tavrel"), std::wstring::npos);
    EXPECT_TRUE(IsRule(lines[2]));
    for (const wchar_t* fact :
         {L"v2.00 Build 1300", L"support@tavrel.example.com", L"http://www.tavrel.example.com/",
          L"Windows 95", L"Server 2003", L"软件简介", L"软件特点"}) {
        EXPECT_TRUE(Holds(lines, fact))
            << "missing: " << ::testing::PrintToString(std::wstring(fact));
    }
    EXPECT_FALSE(Holds(lines, L"%")) << "a placeholder was left";
    // Three paragraphs between the two headings, each one line indented by
    // two ideographic spaces.
    const auto intro = std::find_if(lines.begin(), lines.end(), [](const std::wstring& l) {
        return l.find(L"软件简介") != l.npos;
    });
    const auto features = std::find_if(lines.begin(), lines.end(), [](const std::wstring& l) {
        return l.find(L"软件特点") != l.npos;
    });
    ASSERT_LT(intro, features);
    EXPECT_EQ(std::count_if(intro, features,
                            [](const std::wstring& l) { return l.starts_with(L"　　"); }),
              3);
    // The features are numbered 1 to 15, in order, and no more.
    std::vector<int> numbers;
    for (auto line = features; line != lines.end(); ++line) {
        const auto mark = line->find(L"、");
        if (mark != std::wstring::npos && mark > 0 && mark <= 2 &&
            std::all_of(line->begin(), line->begin() + static_cast<long>(mark),
                        [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
            numbers.push_back(std::stoi(line->substr(0, mark)));
        }
    }
    std::vector<int> expected(15);
    for (int i = 0; i < 15; ++i) {
        expected[static_cast<std::size_t>(i)] = i + 1;
    }
    EXPECT_EQ(numbers, expected);
}

TEST(HelpPages, TheHistoryListsFiveReleasesNewestFirst) {
    const auto lines = PageLines("whatsnew_page.txt");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_TRUE(IsRule(lines[0]));
    EXPECT_EQ(Trimmed(lines[1]), L"Tavrel - 更新历史");
    EXPECT_TRUE(IsRule(lines[2]));
    EXPECT_TRUE(Holds(lines, L"新版改进"));
    // Release headings: version, build and date; then only 增加 / 修正 lines.
    std::vector<int> builds;
    bool inRelease = false;
    int changes = 0;
    for (const std::wstring& line : lines) {
        if (line.starts_with(L"v") && line.find(L" Build ") != line.npos) {
            EXPECT_NE(line.find(L"年"), line.npos) << "no date";
            builds.push_back(std::stoi(line.substr(line.find(L" Build ") + 7)));
            inRelease = true;
            changes = 0;
        } else if (inRelease && !line.empty()) {
            EXPECT_TRUE(line.starts_with(L"·增加：") || line.starts_with(L"·修正："))
                << ::testing::PrintToString(line);
            ++changes;
        } else if (inRelease) {
            EXPECT_GT(changes, 0);
            inRelease = false;
        }
    }
    ASSERT_EQ(builds.size(), 5u);
    EXPECT_EQ(builds.front(), 1300);
    EXPECT_TRUE(std::is_sorted(builds.rbegin(), builds.rend()));
    EXPECT_EQ(std::adjacent_find(builds.begin(), builds.end()), builds.end());
    for (const wchar_t* part : {L"使用条款", L"http://www.tavrel.example.com/",
                                L"support@tavrel.example.com", L"2003-2004"}) {
        EXPECT_TRUE(Holds(lines, part)) << ::testing::PrintToString(std::wstring(part));
    }
    EXPECT_FALSE(Holds(lines, L"%"));
}

}  // namespace
}  // namespace tavrel
