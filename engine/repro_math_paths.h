// The two paths behind the engine's elementary functions, for the tests that compare them
// bit for bit: the exact path, and the fast path, which returns false when its rounding
// test cannot decide (the public functions of repro_math.h then take the exact path).
// The engine itself calls only repro_math.h.
#pragma once

namespace veloranth::rmath {

namespace slow {

// The same functions as repro_math.h, each always taking its exact path.
double Sin(double x), Cos(double x), Tan(double x), Atan(double x), Asin(double x), Acos(double x);
double Atan2(double y, double x);
void SinCos(double x, double& sine, double& cosine);

}  // namespace slow

namespace fast {

bool Sin(double x, double& result);
bool Cos(double x, double& result);
bool SinCos(double x, double& sine, double& cosine);  // true when both are decided
bool Tan(double x, double& result);
bool Atan(double x, double& result);
bool Atan2(double y, double x, double& result);
bool Asin(double x, double& result);
bool Acos(double x, double& result);

}  // namespace fast

}  // namespace veloranth::rmath
