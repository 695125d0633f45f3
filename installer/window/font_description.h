#pragma once
// A font as a value: what a shell asks its own font machinery for.
#include <cstdint>
#include <string_view>

// The kind of face wanted when no face is named (Windows' font families).
enum class FontFamily { Script, Swiss };

struct FontDescription {
  std::string_view face;  // empty: no face name, any face of `family`
  FontFamily family = FontFamily::Swiss;
  int32_t pixelHeight = 0;  // the character height in pixels, or 0 when sized in points
  int32_t pointSize = 0;
  bool bold = false;
  bool italic = false;
  bool underlined = false;
};
