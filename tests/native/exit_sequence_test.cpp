#include "app/exit_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/error.h"

namespace tavrel {
namespace {

struct RecordedExit final : ExitSteps {
    bool saveFails = false;
    std::vector<std::wstring> log;
    void SaveSettings() override {
        log.push_back(L"save");
        if (saveFails) {
            throw FailedToSetData(L"Arrage");
        }
    }
    void Report(const std::wstring& message) override { log.push_back(L"report " + message); }
    void DeleteTrayIcon() override { log.push_back(L"icon"); }
    void EndMessageLoop() override { log.push_back(L"end"); }
};

TEST(ExitSequence, SavesThenTakesTheIconAwayAndEnds) {
    RecordedExit steps;
    RunExitSequence(steps);
    EXPECT_EQ(steps.log, (std::vector<std::wstring>{L"save", L"icon", L"end"}));
}

TEST(ExitSequence, AFailedSaveIsShownAndTheProgramStillEnds) {
    RecordedExit steps;
    steps.saveFails = true;
    RunExitSequence(steps);
    EXPECT_EQ(steps.log, (std::vector<std::wstring>{
                             L"save", L"report Failed to set data for 'Arrage'", L"icon", L"end"}));
}

}  // namespace
}  // namespace tavrel
