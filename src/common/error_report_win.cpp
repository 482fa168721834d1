#include "common/error_report_win.h"

#include <exception>

#include "common/error.h"

namespace tavrel {

void ShowErrorReport(HWND owner, const std::wstring& message) {
    ::MessageBoxW(owner, message.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
}

namespace detail {

std::wstring CurrentExceptionText() noexcept {
    try {
        throw;
    } catch (const Error& error) {
        return error.message();
    } catch (const std::exception& error) {
        // Library errors speak ASCII.
        const std::string what = error.what();
        return std::wstring(what.begin(), what.end());
    } catch (...) {
        return L"Unknown error";
    }
}

}  // namespace detail
}  // namespace tavrel
