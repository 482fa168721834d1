// A desktop that records what is done to it: the button pictures are drawn
// from its moves at build time, and the figures are checked against it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "desktop/desktop.h"

namespace tavrel {

struct Move {
    std::int32_t index;
    std::int32_t x;
    std::int32_t y;
    friend bool operator==(const Move&, const Move&) = default;
};

class RecordingDesktop : public DesktopAccess {
  public:
    RecordingDesktop(std::int32_t count, std::int32_t width, std::int32_t height)
        : count_(count), area_{0, 0, width, height} {}

    // No shell window at all.
    void RemoveShell() { present_ = false; }
    // A shell started anew, its icons shown.
    void ReturnShell() {
        present_ = true;
        shown_ = true;
    }
    void SetWorkArea(WorkAreaRect area) { area_ = area; }
    // How the list view treats positions: auto-arrange, align-to-grid.
    void SetListStyles(DesktopListStyles styles) { styles_ = styles; }

    ListViewHandle FindDesktopListView() override {
        return present_ ? ListViewHandle{0x1234} : ListViewHandle{};
    }
    std::int32_t GetDesktopIconCount(ListViewHandle handle) override { return handle ? count_ : 0; }
    void MoveDesktopIcon(ListViewHandle handle, std::int32_t index, std::int32_t x,
                         std::int32_t y) override {
        if (handle) {
            moves.push_back({index, x, y});
        }
        events.push_back("move " + std::to_string(index));
    }
    WorkAreaRect GetDesktopWorkArea() override { return area_; }
    void SetIconTextColor(ListViewHandle, ColorRef color) override {
        events.push_back("text " + std::to_string(color));
    }
    void SetIconTextBackColor(ListViewHandle, ColorRef color) override {
        events.push_back("back " + std::to_string(color));
    }
    void RedrawDesktopIcons(ListViewHandle, std::int32_t first, std::int32_t last) override {
        events.push_back("redraw " + std::to_string(first) + " " + std::to_string(last));
    }
    DesktopListStyles GetDesktopListStyles(ListViewHandle handle) override {
        ++styleQueries;
        return handle ? styles_ : DesktopListStyles{};
    }
    void ShowDesktopWindow(std::int32_t show) override {
        events.push_back(show != 0 ? "show" : "hide");
        if (present_) {
            shown_ = show != 0;
        }
    }
    std::optional<bool> DesktopWindowShown() override {
        return present_ ? std::optional<bool>(shown_) : std::nullopt;
    }
    void SwitchOffSelfArranging(ListViewHandle handle) override {
        events.push_back("switch off self-arranging");
        if (handle) {
            styles_ = {};
        }
    }
    std::unique_ptr<DesktopIconReader> OpenIconReader() override { return nullptr; }

    std::vector<Move> moves;
    std::vector<std::string> events;
    // A query, not a change of the desktop: counted, not in the events.
    int styleQueries = 0;

  private:
    bool present_ = true;
    bool shown_ = true;
    std::int32_t count_;
    WorkAreaRect area_;
    DesktopListStyles styles_;
};

}  // namespace tavrel
