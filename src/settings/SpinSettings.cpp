#include "settings/SpinSettings.h"

int32_t stepAfter(std::span<const SpinAcceleration> table, int64_t heldMilliseconds) {
    int32_t step = 1;
    for (const SpinAcceleration& row : table) {
        if (heldMilliseconds >= int64_t{row.afterSeconds} * 1000) {
            step = row.step;
        }
    }
    return step;
}
