#pragma once
// Fonts and pens are kept as value descriptions; a surface realises them when selected.
#include <cstdint>

#include "platform/geometry.h"

enum class PenStyle : int32_t { Solid = 0, Dot = 2 };

struct PenSpec {
  PenStyle style = PenStyle::Solid;
  int32_t width = 0;  // 0 draws one pixel wide
  Colour colour = 0;
  friend bool operator==(const PenSpec&, const PenSpec&) = default;
};

struct FontSpec {
  int32_t height = 0;
  int32_t width = 0;
  int32_t weight = 0;
  int32_t charSet = 0;
  char faceName[32] = {};
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};
