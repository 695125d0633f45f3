#pragma once
#include <cstdint>

// Rectangles are {left, top, right, bottom}, in the units of whoever holds them.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Colours are 0x00BBGGRR: red in the low byte.
using Colour = uint32_t;
constexpr Colour MakeColour(uint32_t red, uint32_t green, uint32_t blue) {
  return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr uint32_t RedOf(Colour c) { return c & 0xFFu; }
constexpr uint32_t GreenOf(Colour c) { return (c >> 8) & 0xFFu; }
constexpr uint32_t BlueOf(Colour c) { return (c >> 16) & 0xFFu; }
