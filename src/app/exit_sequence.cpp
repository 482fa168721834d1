#include "app/exit_sequence.h"

#include "common/error.h"

namespace tavrel {

void RunExitSequence(ExitSteps& steps) {
    try {
        steps.SaveSettings();
    } catch (const Error& error) {
        steps.Report(error.message());
    }
    steps.DeleteTrayIcon();
    steps.EndMessageLoop();
}

}  // namespace tavrel
