// What putting back a saved layout costs beyond reading the icons: restoring
// a layout of 1,000 icons on the stand-in desktop against reading the same
// 1,000 captions and positions in a bare loop, alternating, in one run.
//
//   tavrel_layout_bench.exe [ROUNDS]        (default 11)
//
// The layout is saved first under HKEY_CURRENT_USER and removed at the end.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "common/registry_win.h"
#include "desktop/desktop_win.h"
#include "standin_desktop/standin_client_win.h"
#include "textlayouts/custom_positions.h"

namespace {

constexpr int kIcons = 1000;
constexpr tavrel::RegistryRoot kRoot = tavrel::RegistryRoot::kCurrentUser;

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
        argc > 1 ? std::max(1, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 11;
    standin::StandinDesktop standin(kIcons);
    if (!standin.Started()) {
        std::fprintf(stderr, "the stand-in desktop did not start\n");
        return 1;
    }
    tavrel::Win32Desktop desktop;
    tavrel::Win32Registry registry;
    const tavrel::CustomStore store{registry, kRoot};
    const std::wstring path = tavrel::LayoutKeyPath(1);
    registry.DeleteTree(kRoot, path);
    tavrel::SaveIconLayout(desktop, store, path, L"bench");

    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    std::vector<double> restored;
    std::vector<double> bare;
    long readable = 0;
    const auto timeRestore = [&] {
        LARGE_INTEGER from, to;
        ::QueryPerformanceCounter(&from);
        tavrel::RestoreIconLayout(desktop, store, path);
        ::QueryPerformanceCounter(&to);
        restored.push_back(Seconds(from, to, frequency));
    };
    const auto timeBareLoop = [&] {
        LARGE_INTEGER from, to;
        ::QueryPerformanceCounter(&from);
        const std::unique_ptr<tavrel::DesktopIconReader> reader = desktop.OpenIconReader();
        if (reader) {
            const std::int32_t count = reader->Count();
            for (std::int32_t i = 0; i < count; ++i) {
                readable += reader->ReadIcon(i) ? 1 : 0;
            }
        }
        ::QueryPerformanceCounter(&to);
        bare.push_back(Seconds(from, to, frequency));
    };
    // What reading the entries alone costs, for the record.
    std::vector<double> entriesOnly;
    const auto timeEntries = [&] {
        LARGE_INTEGER from, to;
        ::QueryPerformanceCounter(&from);
        for (int k = 0; k < kIcons; ++k) {
            const std::wstring item = path + L"\\" + std::to_wstring(k);
            if (registry.OpenKey(kRoot, item)) {
                registry.ReadString(kRoot, item, tavrel::kIconNameValue);
                registry.ReadInteger(kRoot, item, tavrel::kIconYValue);
                registry.ReadInteger(kRoot, item, tavrel::kIconXValue);
            }
        }
        ::QueryPerformanceCounter(&to);
        entriesOnly.push_back(Seconds(from, to, frequency));
    };
    // Which of the two goes first alternates, so that neither always meets
    // the other's after-effects.
    for (int round = 0; round < rounds; ++round) {
        if (round % 2 == 0) {
            timeRestore();
            timeBareLoop();
        } else {
            timeBareLoop();
            timeRestore();
        }
        timeEntries();
    }
    registry.DeleteTree(kRoot, path);
    const double restoredMedian = Median(restored);
    const double bareMedian = Median(bare);
    std::printf("icons %d, rounds %d, icons read %ld\n", kIcons, rounds, readable / rounds);
    std::printf("restore of a saved layout: %.3f ms median\n", restoredMedian * 1000);
    std::printf("bare reading loop:         %.3f ms median\n", bareMedian * 1000);
    std::printf("ratio: %.3f\n", restoredMedian / bareMedian);
    std::printf("(reading the layout's entries alone: %.3f ms median)\n",
                Median(entriesOnly) * 1000);
    return 0;
}
