#pragma once
// Where the two level displays stand. The paint records them in ViewState; a collect
// invalidates them, also before the first paint has recorded them.
#include "platform/geometry.h"

constexpr Rect kLeftMeterArea{20, 100, 370, 300};
constexpr Rect kRightMeterArea{420, 100, 770, 300};
constexpr Rect kLeftBarArea{180, 100, 210, 400};
constexpr Rect kRightBarArea{580, 100, 610, 400};
