// Runs a function when the scope is left, however it is left.
#pragma once

#include <utility>

namespace tavrel {

template <typename Function>
class scope_exit {
  public:
    explicit scope_exit(Function function) : function_(std::move(function)) {}
    scope_exit(const scope_exit&) = delete;
    scope_exit& operator=(const scope_exit&) = delete;
    ~scope_exit() {
        if (active_) {
            function_();
        }
    }
    void release() { active_ = false; }

  private:
    Function function_;
    bool active_ = true;
};

}  // namespace tavrel
