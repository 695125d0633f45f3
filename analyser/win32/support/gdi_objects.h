#pragma once
// The fonts and pens a device context draws with, realised once per description and kept
// until the owner goes: the view asks for the same two fonts and eleven pens at every
// paint, and a changed preference adds its new pens beside the old ones.
#include <windows.h>

#include <utility>
#include <vector>

#include "analyser/state/drawing_resources.h"

class GdiObjects {
 public:
  GdiObjects() = default;
  ~GdiObjects();
  GdiObjects(const GdiObjects&) = delete;
  GdiObjects& operator=(const GdiObjects&) = delete;

  HFONT Font(const FontSpec& font);
  HPEN Pen(const PenSpec& pen);

 private:
  // More than a run of preference changes can need: past it the oldest go (none of them
  // may be selected into a device context at that moment: the surface selects the stock
  // objects back before it asks again).
  static constexpr std::size_t kMostKept = 64;

  std::vector<std::pair<FontSpec, HFONT>> fonts_;
  std::vector<std::pair<PenSpec, HPEN>> pens_;
};
