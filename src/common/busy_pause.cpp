#include "common/busy_pause.h"

namespace tavrel {

void BusyCount(std::uint32_t steps) {
    volatile std::uint32_t counter = steps;
    while (counter != 0) {
        counter = counter - 1;
    }
}

}  // namespace tavrel
