// The text of the error a command ends with; empty when it ends without one.
#pragma once

#include <string>

#include "common/error.h"

namespace tavrel::testing {

template <typename Command>
std::wstring ErrorOf(Command&& command) {
    try {
        command();
    } catch (const Error& error) {
        return error.message();
    }
    return L"";
}

}  // namespace tavrel::testing
