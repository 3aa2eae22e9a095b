// The engine's own elementary functions. The platforms' libraries round differently in
// the last bit (glibc and the Windows runtime disagree on a few percent of arguments),
// and a prayer time must not depend on the build: these use only IEEE additions,
// multiplications, divisions and square roots, so every build gets the same bits.
// They carry about 100 bits internally and round once, so they are correctly rounded
// for all but a tiny fraction of arguments.
#pragma once

namespace veloranth::rmath {

double Sin(double x);
double Cos(double x);
void SinCos(double x, double& sine, double& cosine);
double Tan(double x);
double Atan(double x);
double Atan2(double y, double x);
double Asin(double x);
double Acos(double x);

}  // namespace veloranth::rmath
