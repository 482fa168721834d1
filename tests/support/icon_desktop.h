// A desktop whose icons can be read back, for saving and restoring layouts
// without a shell: captions, positions, icons that cannot be read, and icon
// counts that change while a layout is read or put back. Every request to
// the list view lands in one event list, in order.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/recording_desktop.h"

namespace tavrel::testing {

struct FakeIcon {
    std::optional<std::wstring> caption;  // nothing: the caption cannot be read
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool positionReadable = true;
};

class IconDesktop : public RecordingDesktop {
  public:
    IconDesktop() : RecordingDesktop(0, 1024, 738) {}
    explicit IconDesktop(std::vector<FakeIcon> initial) : IconDesktop() {
        icons = std::move(initial);
    }

    std::vector<FakeIcon> icons;
    // What successive count requests of a reader answer; after the last one,
    // the number of icons.
    std::vector<std::int32_t> scriptedCounts;
    bool readerOpens = true;
    int openReaders = 0;

    void MoveDesktopIcon(ListViewHandle handle, std::int32_t index, std::int32_t x,
                         std::int32_t y) override {
        RecordingDesktop::MoveDesktopIcon(handle, index, x, y);
        if (handle && index >= 0 && static_cast<std::size_t>(index) < icons.size()) {
            icons[static_cast<std::size_t>(index)].x = x;
            icons[static_cast<std::size_t>(index)].y = y;
        }
    }

    std::unique_ptr<DesktopIconReader> OpenIconReader() override {
        events.push_back("open");
        if (!readerOpens) {
            return nullptr;
        }
        return std::make_unique<Reader>(*this);
    }

  private:
    class Reader : public DesktopIconReader {
      public:
        explicit Reader(IconDesktop& desktop) : desktop_(desktop) { ++desktop_.openReaders; }
        ~Reader() override {
            --desktop_.openReaders;
            desktop_.events.push_back("close");
        }
        std::int32_t Count() override {
            desktop_.events.push_back("count");
            if (nextCount_ < desktop_.scriptedCounts.size()) {
                return desktop_.scriptedCounts[nextCount_++];
            }
            return static_cast<std::int32_t>(desktop_.icons.size());
        }
        std::optional<DesktopIcon> ReadIcon(std::int32_t index) override {
            desktop_.events.push_back("read " + std::to_string(index));
            if (index < 0 || static_cast<std::size_t>(index) >= desktop_.icons.size()) {
                return std::nullopt;
            }
            const FakeIcon& icon = desktop_.icons[static_cast<std::size_t>(index)];
            if (!icon.caption) {
                return std::nullopt;
            }
            DesktopIcon read;
            read.caption = *icon.caption;
            if (icon.positionReadable) {
                read.x = icon.x;
                read.y = icon.y;
            }
            return read;
        }

      private:
        IconDesktop& desktop_;
        std::size_t nextCount_ = 0;
    };
};

}  // namespace tavrel::testing
