#include "windows/shell_seam_win.h"

#include <windows.h>
#include <shellapi.h>

namespace tavrel {

static_assert(kShowShow == SW_SHOW && kShowNormal == SW_SHOWNORMAL);

void ShellExecuteSeam::Execute(void* owner, const ShellRequest& request) {
    const HINSTANCE result =
        ::ShellExecuteW(static_cast<HWND>(owner), request.verb.c_str(), request.file.c_str(),
                        request.parameters.empty() ? nullptr : request.parameters.c_str(), nullptr,
                        request.showCommand);
    lastResult_ = static_cast<long long>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace tavrel
