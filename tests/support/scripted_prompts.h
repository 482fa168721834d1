// Answers the program's questions from a script and keeps a transcript of
// every box shown, in order.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/prompts.h"

namespace tavrel::testing {

class ScriptedPrompts : public Prompts {
  public:
    struct Asked {
        std::wstring prompt;
        std::wstring initial;
    };

    // Nothing in the script stands for Cancel.
    std::deque<std::optional<std::wstring>> answers;
    std::vector<Asked> asked;
    std::vector<std::wstring> notices;
    // "ask <initial>" and "notice <text>" in the order shown.
    std::vector<std::wstring> transcript;

    std::optional<std::wstring> AskText(const std::wstring& prompt,
                                        const std::wstring& initial) override {
        asked.push_back({prompt, initial});
        transcript.push_back(L"ask " + initial);
        if (answers.empty()) {
            ADD_FAILURE() << "an input box more than the script answers";
            return std::nullopt;
        }
        std::optional<std::wstring> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Notify(const std::wstring& text) override {
        notices.push_back(text);
        transcript.push_back(L"notice " + text);
    }
};

}  // namespace tavrel::testing
