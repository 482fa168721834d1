// The quiet host, under the name the tests have always used.
#pragma once

#include "core/quiet_host.h"

namespace tavrel::testing {
using tavrel::QuietHost;
}  // namespace tavrel::testing
