// Numeric constants of the engine. Every value is the exact double the computations
// were specified with; the results are bit-for-bit reproducible only with these.
#pragma once

namespace veloranth {

inline constexpr double Pi = 3.141592653589793;
inline constexpr double TwoPi = 6.283185307179586;
inline constexpr double DegToRad = 0.017453292519943295;          // pi / 180
inline constexpr double RadToDeg = 57.29577951308232;             // 180 / pi
inline constexpr double RadToHours = 3.819718634205488;           // 12 / pi
inline constexpr double HoursToRad = 0.2617993877991494;          // pi / 12
inline constexpr double HourInCenturies = 1.140771161305042e-06;  // 1 / (24 * 36525)
inline constexpr double MinuteInHours = 0.016666666666666666;     // 1 / 60
inline constexpr double SecondInHours = 0.0002777777777777778;    // 1 / 3600

}  // namespace veloranth
