// Starts the stand-in desktop as a separate process for one test and reads
// back what its list view holds, without going through Tavrel's own code.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/unique_handle_win.h"

namespace standin {

struct StandinItem {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::wstring caption;
};

struct StandinJournalEntry {
    UINT message = 0;
    std::uint64_t wParam = 0;
    std::int64_t lParam = 0;
};

struct StandinState {
    std::uint32_t textColor = 0;
    std::uint32_t textBackColor = 0;
    std::vector<StandinItem> items;
    std::vector<StandinJournalEntry> journal;
};

class StandinDesktop {
public:
    // Starts it with `icons` made-up captions, or with exactly `captions`.
    explicit StandinDesktop(int icons);
    explicit StandinDesktop(const std::vector<std::wstring>& captions, int refusePosition = -1);
    StandinDesktop(const StandinDesktop&) = delete;
    StandinDesktop& operator=(const StandinDesktop&) = delete;
    ~StandinDesktop();

    bool Started() const { return progman_ != nullptr; }
    HWND Progman() const { return progman_; }
    StandinState ReadState() const;
    void ClearJournal() const;

private:
    void Start(const std::wstring& arguments, int expectedIcons);

    tavrel::unique_process process_;
    HWND progman_ = nullptr;
    std::wstring stateFile_;
    std::wstring captionsFile_;
};

// Directory of the running test program, with a trailing backslash.
std::wstring ProgramDirectory();

}  // namespace standin
