// The recording desktop, under the name the tests have always used.
#pragma once

#include "desktop/recording_desktop.h"

namespace tavrel::testing {
using tavrel::Move;
using tavrel::RecordingDesktop;
}  // namespace tavrel::testing
