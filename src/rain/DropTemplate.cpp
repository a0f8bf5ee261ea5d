#include "rain/DropTemplate.h"

float DropTemplate::shape(int32_t, int32_t, double value) const {
    return static_cast<float>(value);
}
