#pragma once
// Logical units to device units, rounded as the mapping of a device context rounds.
#include <algorithm>
#include <cstdint>

// value * numerator / denominator, the halves rounded away from zero, kept within 32 bits.
// A zero denominator leaves the value as it is.
constexpr int32_t Scaled(int32_t value, int32_t numerator, int32_t denominator) {
  if (denominator == 0) return value;
  const int64_t product = int64_t{value} * numerator;
  int64_t quotient = product / denominator;
  const int64_t remainder = product % denominator;
  const int64_t twiceRemainder = 2 * (remainder < 0 ? -remainder : remainder);
  const int64_t absDenominator = denominator < 0 ? -int64_t{denominator} : int64_t{denominator};
  if (twiceRemainder >= absDenominator) quotient += (product < 0) != (denominator < 0) ? -1 : 1;
  return static_cast<int32_t>(std::clamp<int64_t>(quotient, INT32_MIN, INT32_MAX));
}
