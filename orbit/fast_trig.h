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
// quarter turns with pi/2 in two parts (the first short enough that k times it is exact),
// then the classic minimax kernels on [-pi/4, pi/4]. A third of the library's
// cost, which is most of one fast evaluation's.
inline void SinCos(double x, double* s, double* c) {
  if (!(std::fabs(x) < 1e5)) {
    __builtin_sincos(x, s, c);
    return;
  }
  constexpr double kTwoOverPi = 6.36619772367581382433e-01;
  constexpr double kHalfPi1 = 1.57079632673412561417e+00;  // first 33 bits of pi/2
  constexpr double kHalfPi2 = 6.077100506506192e-11;       // the rest, to 3.5e-27
  constexpr double kShift = 6755399441055744.0;            // 1.5 * 2^52: rounds to whole
  const double k = (x * kTwoOverPi + kShift) - kShift;
  // k times the first part is exact; the second part's product errs by 1e-26 per quarter
  // turn, far below a position's last bit (one step less than with a third part).
  const double r = (x - k * kHalfPi1) - k * kHalfPi2;
  // Both polynomials by pairs of terms in z^2 (Estrin): half the chain of dependent
  // steps of Horner's rule, for the same terms.
  const double z = r * r;
  const double z2 = z * z;
  const double sinTerms =
      (-1.66666666666666324348e-01 + z * 8.33333333332248946124e-03) +
      z2 * ((-1.98412698298579493134e-04 + z * 2.75573137070700676789e-06) +
            z2 * (-2.50507602534068634195e-08 + z * 1.58969099521155010221e-10));
  const double cosTerms =
      (4.16666666666666019037e-02 + z * -1.38888888888741095749e-03) +
      z2 * ((2.48015872894767294178e-05 + z * -2.75573143513906633035e-07) +
            z2 * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11));
  const double sr = r + r * z * sinTerms;
  const double cr = 1 - 0.5 * z + z2 * cosTerms;
  switch (static_cast<long long>(k) & 3) {
    case 0: *s = sr; *c = cr; break;
    case 1: *s = cr; *c = -sr; break;
    case 2: *s = -sr; *c = -cr; break;
    default: *s = -cr; *c = sr; break;
  }
}

// The arctangent's kernel: a reduced to |a| < 7/16 around the point of interval id (-1 for
// none), the odd minimax polynomial in two halves, each by pairs of terms in a^4.
inline double AtanKernel(double a, int id) {
  constexpr double kHigh[4] = {4.63647609000806093515e-01, 7.85398163397448278999e-01,
                               9.82793723247329054082e-01, 1.57079632679489655800e+00};
  constexpr double kLow[4] = {2.26987774529616870924e-17, 3.06161699786838301793e-17,
                              1.39033110312309984516e-17, 6.12323399573676603587e-17};
  const double z = a * a;
  const double w = z * z;
  const double w2 = w * w;
  const double s1 =
      z * ((3.33333333333329318027e-01 + w * 1.42857142725034663711e-01) +
           w2 * ((9.09088713343650656196e-02 + w * 6.66107313738753120669e-02) +
                 w2 * (4.97687799461593236017e-02 + w * 1.62858201153657823623e-02)));
  const double s2 =
      w * ((-1.99999999998764832476e-01 + w * -1.11111104054623557880e-01) +
           w2 * ((-7.69187620504482999495e-02 + w * -5.83357013379057348645e-02) +
                 w2 * -3.65315727442169155270e-02));
  return id < 0 ? a - a * (s1 + s2) : kHigh[id] - ((a * (s1 + s2) - kLow[id]) - a);
}

// Arctangent for the double-precision evaluation, within one unit in the last place of the
// library's and a quarter of its cost: reduction to |x| < 7/16 around atan(1/2), atan(1),
// atan(3/2) and atan(inf) (each split in a high and a low part), then the kernel.
// Infinities give +-pi/2; NaN stays NaN.
inline double AtanFast(double x) {
  const bool negative = std::signbit(x);
  double a = std::fabs(x);
  int id = -1;
  if (a >= 0.4375) {
    if (a < 0.6875) {
      id = 0;
      a = (2 * a - 1) / (2 + a);
    } else if (a < 1.1875) {
      id = 1;
      a = (a - 1) / (a + 1);
    } else if (a < 2.4375) {
      id = 2;
      a = (a - 1.5) / (1 + 1.5 * a);
    } else {
      id = 3;
      a = -1 / a;
    }
  }
  const double r = AtanKernel(a, id);
  return negative ? -r : r;
}

// atan(y / x) for x != 0 with the reduction taken from y and x themselves: one division
// where the quotient and then its reduction would take two, each waited for in turn. The
// differences (2y - x, y - x) of the reduction are exact within their intervals.
inline double AtanOfRatioFast(double y, double x) {
  const bool negative = std::signbit(y) != std::signbit(x);
  const double ay = std::fabs(y), ax = std::fabs(x);
  double a;
  int id = -1;
  if (!(ay >= 0.4375 * ax)) {
    a = ay / ax;
  } else if (ay < 0.6875 * ax) {
    id = 0;
    a = (2 * ay - ax) / (2 * ax + ay);
  } else if (ay < 1.1875 * ax) {
    id = 1;
    a = (ay - ax) / (ay + ax);
  } else if (ay < 2.4375 * ax) {
    id = 2;
    a = (ay - 1.5 * ax) / (ax + 1.5 * ay);
  } else {
    id = 3;
    a = -ax / ay;
  }
  const double r = AtanKernel(a, id);
  return negative ? -r : r;
}

// Arcsine of |x| <= 1 through the arctangent: 1 - x*x as (1 - x)(1 + x) keeps its digits
// near the poles and the zenith.
inline double AsinFast(double x) {
  const double c = std::sqrt((1 - x) * (1 + x));
  return c > 0 ? AtanFast(x / c) : std::copysign(1.57079632679489661923, x);
}

// Arccosine of |x| <= 1: 2 atan(sqrt((1 - x) / (1 + x))).
inline double AcosFast(double x) {
  if (x <= -1) return 3.14159265358979323846;
  return 2 * AtanFast(std::sqrt((1 - x) / (1 + x)));
}

}  // namespace orbit
