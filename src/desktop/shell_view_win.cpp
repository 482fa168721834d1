#include "desktop/shell_view_win.h"

#include <windows.h>
#include <exdisp.h>
#include <shlguid.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "common/unique_handle_win.h"

namespace tavrel {

bool ComShellDesktopView::SwitchOffSelfArranging() {
    com_ptr<IShellWindows> windows;
    if (FAILED(::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL, IID_IShellWindows,
                                  windows.put_void()))) {
        return false;
    }
    VARIANT desktop{};
    desktop.vt = VT_I4;
    desktop.lVal = CSIDL_DESKTOP;
    VARIANT root{};
    root.vt = VT_EMPTY;
    long window = 0;
    com_ptr<IDispatch> found;
    if (windows->FindWindowSW(&desktop, &root, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH,
                              reinterpret_cast<IDispatch**>(found.put_void())) != S_OK ||
        !found) {
        return false;
    }
    const com_ptr<IServiceProvider> services = found.query<IServiceProvider>(IID_IServiceProvider);
    com_ptr<IShellBrowser> browser;
    if (!services || FAILED(services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser,
                                                   browser.put_void()))) {
        return false;
    }
    com_ptr<IShellView> view;
    if (FAILED(browser->QueryActiveShellView(reinterpret_cast<IShellView**>(view.put_void()))) ||
        !view) {
        return false;
    }
    const com_ptr<IFolderView2> folder = view.query<IFolderView2>(IID_IFolderView2);
    return folder && SUCCEEDED(folder->SetCurrentFolderFlags(FWF_AUTOARRANGE | FWF_SNAPTOGRID, 0));
}

}  // namespace tavrel
