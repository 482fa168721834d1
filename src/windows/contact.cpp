#include "windows/contact.h"

namespace tavrel {

ShellRequest WebPageRequest() {
    return {L"Open", L"Explorer", kWebPageAddress, kShowShow};
}

ShellRequest SupportMailRequest() {
    // Passed as it stands, not percent-encoded: the mail program takes the
    // subject as written.
    return {L"Open",
            std::wstring(L"MailTo:") + kSupportMailAddress +
                L"?CC=&BCC=&Subject=关于『 Tavrel 』的技术支持！",
            L"", kShowNormal};
}

ShellRequest TellAFriendRequest() {
    return {L"Open",
            std::wstring(L"MailTo:?CC=&BCC=") + kSupportMailAddress +
                L"&Subject=告诉你一个可以排列桌面图标的好软件！在『" + kWebPageAddress +
                L"』下载！",
            L"", kShowNormal};
}

void WWWUrlClick(ShellSeam& shell, void* owner) {
    shell.Execute(owner, WebPageRequest());
}
void MailToClick(ShellSeam& shell, void* owner) {
    shell.Execute(owner, SupportMailRequest());
}
void TalkToFriendClick(ShellSeam& shell, void* owner) {
    shell.Execute(owner, TellAFriendRequest());
}

std::wstring FirstUseText() {
    static const wchar_t* const kLines[] = {
        L"　　您好！感谢您选择本软件，如果您现在看不到排列",
        L"效果，或只看到图标闪烁，那么请注意以下信息： ",
        L"",
        L"",
        L"　　１、请在桌面空白处单击鼠标右键，查看“排列图",
        L"标”下的“自动排列”和“对齐到网格”两个选项是否",
        L"有对勾，如果有的话，清空对勾就能看到了。^_^",
        L"",
        L"　　２、多增加一些图标，效果会更加的好！",
        L"",
        L"",
        L"    如果你有好的建议、不明之处欢迎来E-Mail，谢谢。",
    };
    std::wstring text;
    for (const wchar_t* line : kLines) {
        text += line;
        text += L'\r';
    }
    return text;
}

}  // namespace tavrel
