#pragma once
// The nine preferences' defaults: the first run writes them, "Defaut" restores them.
#include <cstdint>

#include "platform/geometry.h"

constexpr int kColourCount = 8;

struct PreferenceValues {
  // couleur1 .. couleur8, in ViewState order.
  Colour colours[kColourCount];
  int32_t traceThickness;
};

constexpr Colour kLightGrey = MakeColour(0xC0, 0xC0, 0xC0);
constexpr PreferenceValues kDefaultPreferences = {
    {kLightGrey, kLightGrey, kLightGrey, MakeColour(0xFF, 0, 0), MakeColour(0xFF, 0xFF, 0),
     MakeColour(0, 0, 0xFF), MakeColour(0, 0xFF, 0), MakeColour(0xFF, 0, 0)},
    2};
