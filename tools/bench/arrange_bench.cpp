// How much an arrangement costs beyond its messages: arranging 1,000 icons
// on the stand-in desktop against sending the very same 1,000
// LVM_SETITEMPOSITION messages in a bare loop, in one run. The bare loop is
// timed twice: with SendMessageW, and with SendMessageTimeoutW as the
// desktop layer sends them, so that the cost of the time-out call and the
// cost of the layer itself show apart.
//
//   tavrel_bench.exe [ROUNDS]        (default 41)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <vector>

#include "desktop/desktop_win.h"
#include "patterns/edges.h"
#include "standin_desktop/standin_client_win.h"

namespace {

constexpr int kIcons = 1000;

// Passes everything to the real desktop and keeps the moves' parameters,
// so the bare loop can replay exactly what the figure sent.
class Recorder final : public tavrel::DesktopAccess {
  public:
    explicit Recorder(tavrel::DesktopAccess& real) : real_(real) {}
    tavrel::ListViewHandle FindDesktopListView() override { return real_.FindDesktopListView(); }
    std::int32_t GetDesktopIconCount(tavrel::ListViewHandle h) override {
        return real_.GetDesktopIconCount(h);
    }
    void MoveDesktopIcon(tavrel::ListViewHandle h, std::int32_t i, std::int32_t x,
                         std::int32_t y) override {
        params.push_back(
            {static_cast<WPARAM>(i), static_cast<LPARAM>(tavrel::PackIconPosition(x, y))});
        real_.MoveDesktopIcon(h, i, x, y);
    }
    tavrel::WorkAreaRect GetDesktopWorkArea() override { return real_.GetDesktopWorkArea(); }
    void SetIconTextColor(tavrel::ListViewHandle, tavrel::ColorRef) override {}
    void SetIconTextBackColor(tavrel::ListViewHandle, tavrel::ColorRef) override {}
    void RedrawDesktopIcons(tavrel::ListViewHandle, std::int32_t, std::int32_t) override {}
    tavrel::DesktopListStyles GetDesktopListStyles(tavrel::ListViewHandle) override { return {}; }
    void ShowDesktopWindow(std::int32_t) override {}
    std::optional<bool> DesktopWindowShown() override { return true; }
    void SwitchOffSelfArranging(tavrel::ListViewHandle) override {}
    std::unique_ptr<tavrel::DesktopIconReader> OpenIconReader() override { return nullptr; }

    std::vector<std::pair<WPARAM, LPARAM>> params;

  private:
    tavrel::DesktopAccess& real_;
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds =
        argc > 1 ? std::max(1, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 41;
    standin::StandinDesktop standin(kIcons);
    if (!standin.Started()) {
        std::fprintf(stderr, "the stand-in desktop did not start\n");
        return 1;
    }
    tavrel::Win32Desktop desktop;
    Recorder recorder(desktop);
    tavrel::ArrangeTopEdge(recorder, 75, 1);
    const std::vector<std::pair<WPARAM, LPARAM>> params = recorder.params;
    const HWND list = reinterpret_cast<HWND>(desktop.FindDesktopListView().value);

    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    std::vector<double> arranged;
    std::vector<double> bare;
    std::vector<double> bareTimeout;
    const auto timeArrangement = [&] {
        LARGE_INTEGER from, to;
        ::QueryPerformanceCounter(&from);
        tavrel::ArrangeTopEdge(desktop, 75, 1);
        ::QueryPerformanceCounter(&to);
        arranged.push_back(Seconds(from, to, frequency));
    };
    const auto timeBareLoop = [&] {
        LARGE_INTEGER from, to;
        ::QueryPerformanceCounter(&from);
        for (const auto& [index, position] : params) {
            ::SendMessageW(list, LVM_SETITEMPOSITION, index, position);
        }
        ::QueryPerformanceCounter(&to);
        bare.push_back(Seconds(from, to, frequency));
    };
    const auto timeBareTimeoutLoop = [&] {
        LARGE_INTEGER from, to;
        ::QueryPerformanceCounter(&from);
        for (const auto& [index, position] : params) {
            DWORD_PTR result = 0;
            ::SendMessageTimeoutW(list, LVM_SETITEMPOSITION, index, position,
                                  SMTO_NORMAL | SMTO_ABORTIFHUNG, tavrel::kShellAnswerTimeoutMs,
                                  &result);
        }
        ::QueryPerformanceCounter(&to);
        bareTimeout.push_back(Seconds(from, to, frequency));
    };
    // Which one goes first turns round, so that none always meets another's
    // after-effects.
    const std::function<void()> order[] = {timeArrangement, timeBareLoop, timeBareTimeoutLoop};
    for (int round = 0; round < rounds; ++round) {
        for (int step = 0; step < 3; ++step) {
            order[(round + step) % 3]();
        }
    }
    const double arrangedMedian = Median(arranged);
    const double bareMedian = Median(bare);
    const double bareTimeoutMedian = Median(bareTimeout);
    std::printf("icons %d, rounds %d\n", kIcons, rounds);
    std::printf("arrangement (top edge):         %.3f ms median\n", arrangedMedian * 1000);
    std::printf("bare loop, SendMessageW:        %.3f ms median\n", bareMedian * 1000);
    std::printf("bare loop, SendMessageTimeoutW: %.3f ms median\n", bareTimeoutMedian * 1000);
    std::printf("ratio to SendMessageW:          %.3f\n", arrangedMedian / bareMedian);
    std::printf("ratio to SendMessageTimeoutW:   %.3f\n", arrangedMedian / bareTimeoutMedian);
    return 0;
}
