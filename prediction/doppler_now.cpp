#include "prediction/doppler_now.h"

#include "prediction/ephemeris_row.h"

namespace prediction {

using orbit::Int;
using orbit::Round;

long long InterpolateDoppler(const std::vector<int>& doppler, int n, Real t) {
  if (n <= 0 || static_cast<int>(doppler.size()) < n) return 0;
  auto y = [&](int row) { return static_cast<Real>(doppler[static_cast<std::size_t>(row - 1)]); };
  if (n == 1) return static_cast<long long>(y(1));
  if (n == 2) return static_cast<long long>(Round(y(1) + (y(2) - y(1)) * t));
  const Real m = Int(t);
  const Real f = t - m;
  if (m >= n) return 0;
  const long long c = static_cast<long long>(f < 0.5L ? m + 1 : m + 2);
  long long first = c - 1;
  if (first < 1) first = 1;
  if (first > n - 2) first = n - 2;
  const Real y1 = y(static_cast<int>(first));
  const Real y2 = y(static_cast<int>(first + 1));
  const Real y3 = y(static_cast<int>(first + 2));
  const Real x = t + 2 - static_cast<Real>(first);
  const Real a = y1 / 2 - y2 + y3 / 2;
  const Real b = -2.5L * y1 + 4 * y2 - 1.5L * y3;
  const Real cc = 3 * y1 - 3 * y2 + y3;
  return static_cast<long long>(Round(a * x * x + b * x + cc));
}

long long DopplerNow(const std::vector<std::string>& localRows, const std::vector<int>& doppler,
                     Real nowLocal) {
  if (localRows.empty()) return 0;
  Real start = 0;
  if (!ParseRowTime(localRows.front(), &start)) return 0;
  const Real t = (nowLocal - start) * 1440;
  return InterpolateDoppler(doppler, static_cast<int>(localRows.size()), t);
}

}  // namespace prediction
