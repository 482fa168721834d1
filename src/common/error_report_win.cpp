#include "common/error_report_win.h"

#include <deque>
#include <exception>

#include "common/error.h"

namespace tavrel {

namespace {

// The one user-interface thread is the only one that reports.
struct PendingReport {
    HWND owner;
    std::wstring message;
};
bool g_reportOpen = false;
std::wstring g_shown;
std::deque<PendingReport> g_pending;

}  // namespace

void ShowErrorReport(HWND owner, const std::wstring& message) {
    if (g_reportOpen) {
        bool known = message == g_shown;
        for (const PendingReport& pending : g_pending) {
            known = known || pending.message == message;
        }
        if (!known) {
            g_pending.push_back({owner, message});
        }
        return;
    }
    g_reportOpen = true;
    PendingReport next{owner, message};
    for (;;) {
        g_shown = next.message;
        ::MessageBoxW(::IsWindow(next.owner) ? next.owner : nullptr, next.message.c_str(),
                      kApplicationTitle, MB_OK | MB_ICONERROR);
        if (g_pending.empty()) {
            break;
        }
        next = std::move(g_pending.front());
        g_pending.pop_front();
    }
    g_shown.clear();
    g_reportOpen = false;
}

bool ErrorReportOpen() {
    return g_reportOpen;
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
