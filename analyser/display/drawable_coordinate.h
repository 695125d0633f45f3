#pragma once
// Coordinates computed from stored values (a snapshot may hold any 32-bit
// sample) are worked out in 64 bits and kept within reach of every surface.
#include <cstdint>

constexpr int64_t kFarthestCoordinate = int64_t{1} << 20;

constexpr int32_t ToDrawable(int64_t value) {
  if (value > kFarthestCoordinate) return static_cast<int32_t>(kFarthestCoordinate);
  if (value < -kFarthestCoordinate) return static_cast<int32_t>(-kFarthestCoordinate);
  return static_cast<int32_t>(value);
}
