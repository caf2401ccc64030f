#pragma once

#include <cmath>

#include "orbit/calendar.h"

namespace orbit {

// Trigonometry of the per-second and per-minute evaluations in double precision: the
// 80-bit library functions cost ten times as much, and the angles involved (radians
// below a few turns) lose nothing a displayed degree or kilometre could show. Day counts
// and the quantities themselves stay in extended precision.
inline Real Sin(Real x) { return std::sin(static_cast<double>(x)); }
inline Real Cos(Real x) { return std::cos(static_cast<double>(x)); }
inline Real Atan(Real x) { return std::atan(static_cast<double>(x)); }
inline Real Asin(Real x) { return std::asin(static_cast<double>(x)); }
inline Real Acos(Real x) { return std::acos(static_cast<double>(x)); }

// Both at once for the double-precision evaluation.
inline void SinCos(double x, double* s, double* c) { __builtin_sincos(x, s, c); }

}  // namespace orbit
