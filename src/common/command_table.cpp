#include "common/command_table.h"

#include <stdexcept>

namespace tavrel {

void CommandTable::Add(std::uint16_t first, std::uint16_t last, Handler handler) {
    if (last < first) {
        throw std::logic_error("command rows run from first to last");
    }
    for (const Entry& entry : entries_) {
        if (first <= entry.last && entry.first <= last) {
            throw std::logic_error("two command rows claim one command id");
        }
    }
    entries_.push_back({first, last, std::move(handler)});
}

bool CommandTable::Run(const CommandEvent& event) const {
    for (const Entry& entry : entries_) {
        if (entry.first <= event.id && event.id <= entry.last) {
            entry.handler(event);
            return true;
        }
    }
    return false;
}

}  // namespace tavrel
