#include "app/program_commands.h"

namespace tavrel {
namespace {

bool IsArrangement(std::int32_t number, const Settings& settings) {
    const std::int64_t last =
        29 + static_cast<std::int64_t>(settings.customCharacterCount) + settings.customCount;
    return number >= 1 && number <= last;
}

}  // namespace

bool CommandWouldSucceed(const ProgramCommand& command, const CustomStore& store,
                         const Settings& settings) {
    switch (command.kind) {
        case CommandKind::kArrange:
            return IsArrangement(command.number, settings);
        case CommandKind::kRestore:
            return LayoutNumberNamed(store, settings, command.name).has_value();
        case CommandKind::kSave:
            return AddCustomLayoutNumber(settings).has_value() &&
                   store.registry.CanCreateKey(store.root, kCustomPositionKey) &&
                   CountLayoutsNamed(store, settings, command.name) == 0;
        case CommandKind::kHide:
        case CommandKind::kShow:
        case CommandKind::kExit:
        case CommandKind::kUninstall:
            return true;
        case CommandKind::kHelp:
            break;
    }
    return false;  // the notice is the copy's own business
}

bool PerformCommand(const ProgramCommand& command, CommandParts& parts) {
    const Settings& settings = parts.layouts.settings;
    switch (command.kind) {
        case CommandKind::kArrange:
            if (!IsArrangement(command.number, settings)) {
                return false;
            }
            parts.target.ChooseArrangement(command.number);
            return true;
        case CommandKind::kRestore:
            if (const std::optional<std::int32_t> number =
                    LayoutNumberNamed(parts.layouts.store, settings, command.name)) {
                parts.target.ChooseArrangement(*number);
                return true;
            }
            return false;
        case CommandKind::kSave:
            return SaveLayoutNamed(parts.layouts, command.name);
        case CommandKind::kHide:
        case CommandKind::kShow:
            return parts.target.ShowAllIcons(command.kind == CommandKind::kShow);
        case CommandKind::kExit:
            parts.target.Exit();
            return true;
        case CommandKind::kUninstall:
            return parts.target.Uninstall();
        case CommandKind::kHelp:
            break;
    }
    return false;
}

}  // namespace tavrel
