// Starts the stand-in desktop as a separate process for one test and reads
// back what its list view holds, without going through Tavrel's own code.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
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

// Where the stand-in keeps its view (see standin_desktop.cpp).
enum class StandinLayout { kClassic, kWorkerW, kProgmanWorkerW, kNone };
// How its list view keeps the captions.
enum class StandinTexts { kPlain, kCallback, kCallbackPointer };

struct StandinOptions {
    int icons = 40;
    // Exactly these captions instead of `icons` made-up ones.
    std::optional<std::vector<std::wstring>> captions;
    int refusePosition = -1;
    StandinLayout layout = StandinLayout::kClassic;
    StandinTexts texts = StandinTexts::kPlain;
    bool autoArrange = false;
    bool snapToGrid = false;
    // The stand-in built for the other word size: 64-bit beside a 32-bit
    // test, 32-bit beside a 64-bit one.
    bool otherWordSize = false;
};

class StandinDesktop {
  public:
    // Starts it with `icons` made-up captions, or with exactly `captions`.
    explicit StandinDesktop(int icons);
    explicit StandinDesktop(const std::vector<std::wstring>& captions, int refusePosition = -1);
    explicit StandinDesktop(const StandinOptions& options);
    StandinDesktop(const StandinDesktop&) = delete;
    StandinDesktop& operator=(const StandinDesktop&) = delete;
    ~StandinDesktop();

    bool Started() const { return progman_ != nullptr; }
    HWND Progman() const { return progman_; }
    // The top-level window that holds the view, and the list view; null in
    // the layout without a view.
    HWND Holder() const { return holder_; }
    HWND ListView() const { return listView_; }
    StandinState ReadState() const;
    void ClearJournal() const;
    // Stops the stand-in answering any message for `milliseconds`: at once,
    // or right after its list view has taken `afterMoves` more moves.
    // Returns at once.
    void Hang(unsigned milliseconds, int afterMoves = 0) const;
    // Whether the stand-in runs as a 64-bit process.
    bool Is64Bit() const;

  private:
    void Start(const std::wstring& arguments, int expectedIcons, bool otherWordSize, bool withView);

    tavrel::unique_process process_;
    HWND progman_ = nullptr;
    HWND holder_ = nullptr;
    HWND listView_ = nullptr;
    std::wstring stateFile_;
    std::wstring captionsFile_;
};

// Directory of the running test program, with a trailing backslash.
std::wstring ProgramDirectory();

}  // namespace standin
