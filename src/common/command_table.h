// Commands as data: every command id of the windows and menus is a row that
// names its handler. A button and a menu item with the same command run the
// same row; the handler learns which of them it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace tavrel {

enum class CommandSource { kMenu, kButton };

struct CommandEvent {
    std::uint16_t id = 0;
    CommandSource source = CommandSource::kMenu;
};

// One row: the ids first to last (a single command has first == last) run
// the handler, a member of the object that registers the rows.
template <typename Owner>
struct CommandRow {
    std::uint16_t first;
    std::uint16_t last;
    void (Owner::*handler)(const CommandEvent&);
};

class CommandTable {
  public:
    using Handler = std::function<void(const CommandEvent&)>;

    // Fails with std::logic_error when the ids overlap a row already there:
    // two handlers for one command are a programming error.
    void Add(std::uint16_t first, std::uint16_t last, Handler handler);

    template <typename Owner, std::size_t N>
    void AddRows(Owner& owner, const CommandRow<Owner> (&rows)[N]) {
        for (const CommandRow<Owner>& row : rows) {
            Add(row.first, row.last, [&owner, handler = row.handler](const CommandEvent& event) {
                (owner.*handler)(event);
            });
        }
    }

    // Runs the row of the event's id; false when there is none.
    bool Run(const CommandEvent& event) const;

  private:
    struct Entry {
        std::uint16_t first;
        std::uint16_t last;
        Handler handler;
    };
    std::vector<Entry> entries_;
};

}  // namespace tavrel
