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

// Sine and cosine at once for the double-precision evaluation, within 2e-16 of the
// library's for |x| < 1e5 (angles of a few turns); the library's beyond. Reduction by
// quarter turns with pi/2 in three parts (the first two short enough that k times them is
// exact), then the classic minimax kernels on [-pi/4, pi/4]. A third of the library's
// cost, which is most of one fast evaluation's.
inline void SinCos(double x, double* s, double* c) {
  if (!(std::fabs(x) < 1e5)) {
    __builtin_sincos(x, s, c);
    return;
  }
  constexpr double kTwoOverPi = 6.36619772367581382433e-01;
  constexpr double kHalfPi1 = 1.57079632673412561417e+00;  // first 33 bits of pi/2
  constexpr double kHalfPi2 = 6.07710050630396597660e-11;  // next 33 bits
  constexpr double kHalfPi3 = 2.02226624879595063154e-21;  // the rest
  constexpr double kShift = 6755399441055744.0;            // 1.5 * 2^52: rounds to whole
  const double k = (x * kTwoOverPi + kShift) - kShift;
  const double r = ((x - k * kHalfPi1) - k * kHalfPi2) - k * kHalfPi3;
  const double z = r * r;
  const double sr =
      r + r * z *
              (-1.66666666666666324348e-01 +
               z * (8.33333333332248946124e-03 +
                    z * (-1.98412698298579493134e-04 +
                         z * (2.75573137070700676789e-06 +
                              z * (-2.50507602534068634195e-08 + z * 1.58969099521155010221e-10)))));
  const double cr =
      1 - 0.5 * z +
      z * z *
          (4.16666666666666019037e-02 +
           z * (-1.38888888888741095749e-03 +
                z * (2.48015872894767294178e-05 +
                     z * (-2.75573143513906633035e-07 +
                          z * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11)))));
  switch (static_cast<long long>(k) & 3) {
    case 0: *s = sr; *c = cr; break;
    case 1: *s = cr; *c = -sr; break;
    case 2: *s = -sr; *c = -cr; break;
    default: *s = -cr; *c = sr; break;
  }
}

}  // namespace orbit
