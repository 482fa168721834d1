// Runs one figure on a recording desktop and answers where each icon ended.
#pragma once

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "support/recording_desktop.h"

namespace tavrel::testing {

using Figure = std::function<void(DesktopAccess&)>;
using Place = std::pair<std::int32_t, std::int32_t>;

struct FigureRun {
    std::vector<Move> moves;
    std::vector<std::string> events;

    // Where icon `index` stands after the last move that touched it.
    Place At(std::int32_t index) const {
        Place place{-99999, -99999};
        for (const Move& move : moves) {
            if (move.index == index) {
                place = {move.x, move.y};
            }
        }
        return place;
    }
    std::vector<std::string> ColourEvents() const {
        std::vector<std::string> kept;
        for (const std::string& event : events) {
            if (event.rfind("move", 0) != 0) {
                kept.push_back(event);
            }
        }
        return kept;
    }
};

inline FigureRun RunFigure(const Figure& figure, std::int32_t count, std::int32_t width = 1024,
                           std::int32_t height = 738) {
    RecordingDesktop desktop(count, width, height);
    figure(desktop);
    return {desktop.moves, desktop.events};
}

}  // namespace tavrel::testing
