// What the commands of the command line do in the running program, whether
// it was started with one or a second copy handed it over.
#pragma once

#include <cstdint>

#include "core/command_line.h"
#include "core/settings.h"
#include "textlayouts/custom_positions.h"

namespace tavrel {

// The running program, as the commands reach it.
class CommandTarget {
  public:
    virtual ~CommandTarget() = default;
    // As choosing it from the menu: it becomes current, then it is performed.
    virtual void ChooseArrangement(std::int32_t number) = 0;
    // The show/hide command's effect, its caption and setting kept in step;
    // false when the desktop could not be reached.
    virtual bool ShowAllIcons(bool shown) = 0;
    // As the exit command.
    virtual void Exit() = 0;
    // Asks, removes, ends the program; true when it did and nothing remains.
    virtual bool Uninstall() = 0;
};

struct CommandParts {
    CustomPositionContext layouts;
    CommandTarget& target;
};

// Whether the command would succeed now: quick, asking nothing, changing
// nothing, so a second copy has its answer at once. The running copy's
// numbers and names decide.
bool CommandWouldSucceed(const ProgramCommand& command, const CustomStore& store,
                         const Settings& settings);

// Carries the command out; false when it failed (no such arrangement or
// layout, a name already taken, the removal declined or incomplete).
bool PerformCommand(const ProgramCommand& command, CommandParts& parts);

}  // namespace tavrel
