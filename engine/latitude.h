// The observer's latitude with its sine and cosine, which stay the same for a whole
// day and are worth computing once per day instead of once per solver pass.
#pragma once

#include "engine/repro_math.h"

namespace veloranth {

struct Latitude {
    explicit Latitude(double radians) { rmath::SinCos(radians, sine, cosine); }
    double sine;
    double cosine;
};

}  // namespace veloranth
