#include "online/rearm_period.h"

#include <algorithm>

int DrawRearmPeriodMs(MinuteRange range, const RandomRange& random) {
    // A source that strays outside the range must not arm a timer of zero or of hours.
    const int minutes = std::clamp(random(range.lo, range.hi), range.lo, range.hi);
    return minutes * 60000;
}
