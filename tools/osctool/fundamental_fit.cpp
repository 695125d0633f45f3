#include "tools/osctool/fundamental_fit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Fundamental FitFundamental(const int32_t* values, int count, double period) {
  const double wholePeriods = std::floor(count / period);
  const int length = wholePeriods >= 1 ? static_cast<int>(std::lround(wholePeriods * period)) : count;
  const double omega = 2 * std::numbers::pi / period;
  // Normal equations of v ~ a sin + b cos + c, solved by Cramer's rule.
  double ss = 0, sc = 0, cc = 0, s1 = 0, c1 = 0, n = 0, vs = 0, vc = 0, v1 = 0;
  for (int k = 0; k < std::min(length, count); ++k) {
    const double s = std::sin(omega * k), c = std::cos(omega * k), v = values[k];
    ss += s * s;
    sc += s * c;
    cc += c * c;
    s1 += s;
    c1 += c;
    n += 1;
    vs += v * s;
    vc += v * c;
    v1 += v;
  }
  const auto det = [](double a, double b, double c, double d, double e, double f, double g, double h,
                      double i) { return a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g); };
  const double d = det(ss, sc, s1, sc, cc, c1, s1, c1, n);
  if (d == 0) return Fundamental{0, 0};
  const double a = det(vs, sc, s1, vc, cc, c1, v1, c1, n) / d;
  const double b = det(ss, vs, s1, sc, vc, c1, s1, v1, n) / d;
  // a sin x + b cos x = R sin(x + phase)
  return Fundamental{std::hypot(a, b), std::atan2(b, a)};
}
