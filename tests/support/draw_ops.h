// The drawing operations of one kind out of a drawing plan, in order.
#pragma once

#include <variant>
#include <vector>

#include "styling/draw_plan.h"

namespace tavrel::testing {

template <class Op>
std::vector<Op> OpsOf(const std::vector<DrawOp>& ops) {
    std::vector<Op> found;
    for (const DrawOp& op : ops) {
        if (const Op* typed = std::get_if<Op>(&op)) {
            found.push_back(*typed);
        }
    }
    return found;
}

}  // namespace tavrel::testing
