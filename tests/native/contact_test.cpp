#include "windows/contact.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tavrel {
namespace {

TEST(ContactRequests, WebPage) {
    const ShellRequest request = WebPageRequest();
    EXPECT_EQ(request.verb, L"Open");
    EXPECT_EQ(request.file, L"Explorer");
    EXPECT_EQ(request.parameters, L"http://www.tavrel.example.com/");
    EXPECT_EQ(request.showCommand, 5);
}

TEST(ContactRequests, SupportMailAsItStands) {
    const ShellRequest request = SupportMailRequest();
    EXPECT_EQ(request.verb, L"Open");
    EXPECT_EQ(request.file,
              L"MailTo:support@tavrel.example.com?CC=&BCC=&Subject=关于『 Tavrel 』的技术支持！");
    EXPECT_EQ(request.parameters, L"");
    EXPECT_EQ(request.showCommand, 1);
}

TEST(ContactRequests, TellAFriendHasNoRecipientAndTheSupportAddressAsBlindCopy) {
    const ShellRequest request = TellAFriendRequest();
    EXPECT_EQ(request.verb, L"Open");
    EXPECT_EQ(
        request.file,
        L"MailTo:?CC=&BCC=support@tavrel.example.com&Subject=告诉你一个可以排列桌面图标的好软件！在"
        L"『http://www.tavrel.example.com/』下载！");
    EXPECT_EQ(request.parameters, L"");
    EXPECT_EQ(request.showCommand, 1);
}

class RecordingShell : public ShellSeam {
  public:
    void Execute(void* owner, const ShellRequest& request) override {
        owners.push_back(owner);
        requests.push_back(request);
    }
    std::vector<void*> owners;
    std::vector<ShellRequest> requests;
};

TEST(ContactCommands, EachCommandHandsItsRequestToTheShellForItsWindow) {
    RecordingShell shell;
    int window = 0;
    WWWUrlClick(shell, &window);
    MailToClick(shell, nullptr);
    TalkToFriendClick(shell, &window);
    ASSERT_EQ(shell.requests.size(), 3u);
    EXPECT_EQ(shell.requests[0], WebPageRequest());
    EXPECT_EQ(shell.requests[1], SupportMailRequest());
    EXPECT_EQ(shell.requests[2], TellAFriendRequest());
    EXPECT_EQ(shell.owners, (std::vector<void*>{&window, nullptr, &window}));
}

TEST(FirstUse, TwelveLinesEachEndedByOneCarriageReturn) {
    const std::wstring expected =
        L"　　您好！感谢您选择本软件，如果您现在看不到排列\r"
        L"效果，或只看到图标闪烁，那么请注意以下信息： \r"
        L"\r"
        L"\r"
        L"　　１、请在桌面空白处单击鼠标右键，查看“排列图\r"
        L"标”下的“自动排列”和“对齐到网格”两个选项是否\r"
        L"有对勾，如果有的话，清空对勾就能看到了。^_^\r"
        L"\r"
        L"　　２、多增加一些图标，效果会更加的好！\r"
        L"\r"
        L"\r"
        L"    如果你有好的建议、不明之处欢迎来E-Mail，谢谢。\r";
    EXPECT_EQ(FirstUseText(), expected);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), L'\r'), 12);
    EXPECT_EQ(FirstUseText().find(L'\n'), std::wstring::npos);
}

}  // namespace
}  // namespace tavrel
