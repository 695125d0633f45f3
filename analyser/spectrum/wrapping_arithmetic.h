#pragma once
// 32-bit signed arithmetic that wraps on overflow, as the analyser's integers always have:
// a snapshot may hold any 32-bit values, and its spectrum must come out the same everywhere.
// Divisions need nothing special: the language already truncates toward zero.
#include <cstdint>

constexpr int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

constexpr int32_t WrappingSubtract(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

constexpr int32_t WrappingMultiply(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
