// Conversion of doubles to int by truncation toward zero, as every computation
// of the engine requires, without undefined behaviour for values out of range.
#pragma once

#include <climits>

namespace veloranth {

// Truncates toward zero; values beyond the int range (and NaN) saturate instead of
// being undefined, so a hand-edited data.cfg with absurd numbers cannot crash us.
inline int TruncToInt(double x) {
    if (x > -2147483649.0 && x < 2147483648.0) {
        return static_cast<int>(x);
    }
    if (x > 0) {
        return INT_MAX;
    }
    return x < 0 ? INT_MIN : 0;  // NaN compares false both ways
}

}  // namespace veloranth
