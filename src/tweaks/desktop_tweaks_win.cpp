#include "tweaks/desktop_tweaks_win.h"

#include <commdlg.h>

#include <vector>

namespace tavrel {

std::wstring Win32TweakPlatform::SystemDirectory() {
    // Asked for its length first, so that a directory of any length fits;
    // the text is taken only from a buffer the system has filled.
    for (UINT size = ::GetSystemDirectoryW(nullptr, 0); size != 0;) {
        std::vector<wchar_t> buffer(size, L'\0');
        const UINT length = ::GetSystemDirectoryW(buffer.data(), size);
        if (length == 0) {
            break;
        }
        if (length < size) {
            return std::wstring(buffer.data(), length);
        }
        size = length;  // it grew in between: the length it needs now
    }
    return L"";
}

void Win32TweakPlatform::BroadcastMetricsChange() {
    // Waits for no window: a hung one is passed over.
    ::SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0,
                          SMTO_ABORTIFHUNG, 0, nullptr);
}

std::optional<ColorRef> Win32TweakPlatform::PickColor(ColorRef initial,
                                                      CustomColors& customColors) {
    COLORREF custom[16] = {};
    for (std::size_t i = 0; i < customColors.size(); ++i) {
        custom[i] = customColors[i];
    }
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_.hwnd();
    dialog.rgbResult = initial;
    dialog.lpCustColors = custom;
    dialog.Flags = CC_RGBINIT;
    const bool chosen = ::ChooseColorW(&dialog) != FALSE;
    // The custom colours the user made are kept either way.
    for (std::size_t i = 0; i < customColors.size(); ++i) {
        customColors[i] = custom[i];
    }
    if (!chosen) {
        return std::nullopt;
    }
    return dialog.rgbResult;
}

void Win32TweakPlatform::ShowRegistryFailure() {
    ::MessageBoxW(owner_.hwnd(), kRegistryFailureText, kRegistryFailureCaption,
                  MB_OK | MB_ICONERROR);
}

}  // namespace tavrel
