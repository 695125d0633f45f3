#include "analyser/display/scales.h"

#include <cstdint>

namespace {

// Scale configurations: R and L are the offset layout's right and left channel,
// M the modes centred on 220, S the sum.
enum Config { R = 0, L = 1, M = 2, S = 3, kConfigs = 4 };
constexpr int kGains = 3;       // x1, x2, x5
constexpr int kGraduations = 9;  // y 20, 70, ..., 420

using LabelRow = const char* [kGraduations];  // nullptr: nothing drawn

constexpr LabelRow kDecibelLabels[kConfigs][kGains] = {
    {{"0", "-6", "--", "-6", "0", "+3", nullptr, nullptr, nullptr},
     {"-6", "-12", "--", "-12", "-6", "-2.5", "0", "+2", "+3"},
     {"-14", "-20", "--", "-20", "-14", "-12", "-8", "-6", "-4.4"}},
    {{nullptr, nullptr, nullptr, "+3", "0", "-6", "--", "-6", "0"},
     {"+3", "+2", "0", "-2.5", "-6", "-12", "--", "-12", "-6"},
     {"-4.4", "-6", "-8", "-12", "-14", "-20", "--", "-20", "-14"}},
    {{nullptr, "+3", "0", "-6", "--", "-6", "0", "+3", nullptr},
     {"0", "-2.5", "-6", "-12", "--", "-12", "-6", "-2.5", "0"},
     {"-8", "-12", "-14", "-20", "--", "-20", "-14", "-12", "-8"}},
    {{"0", "-2.5", "-6", "-12", "--", "-12", "-6", "-2.5", "0"},
     {"-6", nullptr, "-12", nullptr, "--", nullptr, "-12", nullptr, "-6"},
     {"-14", nullptr, "-20", nullptr, "--", nullptr, "-20", nullptr, "-14"}},
};

constexpr LabelRow kLinearLabels[kConfigs][kGains] = {
    {{"100", "50", "0", "50", "100", "150", nullptr, nullptr, nullptr},
     {"50", "25", "0", "25", "50", "75", "100", "125", "150"},
     {"20", "10", "0", "10", "20", "30", "40", "50", "60"}},
    {{nullptr, nullptr, nullptr, "150", "100", "50", "0", "50", "100"},
     {"150", "125", "100", "75", "50", "25", "0", "25", "50"},
     {"60", "50", "40", "30", "20", "10", "0", "10", "20"}},
    {{nullptr, "150", "100", "50", "0", "50", "100", "150", nullptr},
     {"100", "75", "50", "25", "0", "25", "50", "75", "100"},
     {"40", "30", "20", "10", "0", "10", "20", "30", "40"}},
    {{"200", "150", "100", "50", "0", "50", "100", "150", "200"},
     {"100", "75", "50", "25", "0", "25", "50", "75", "100"},
     {"40", "30", "20", "10", "0", "10", "20", "30", "40"}},
};

constexpr Colour kGreen = 0x00FF00, kYellow = 0x00FFFF, kRed = 0x0000FF;

struct Segment {
  Colour colour;
  int32_t top;
  int32_t bottom;
};
struct ZoneBar {
  int count;
  Segment segments[5];
};

constexpr ZoneBar kWholeGreen = {1, {{kGreen, 18, 420}}};

// In drawing order: a later segment paints over an earlier one.
constexpr ZoneBar kZoneBars[kConfigs][kGains] = {
    {{4, {{kYellow, 20, 49}, {kGreen, 49, 191}, {kYellow, 191, 220}, {kRed, 220, 261}}},
     {3, {{kGreen, 20, 262}, {kYellow, 262, 320}, {kRed, 320, 402}}},
     kWholeGreen},
    {{4, {{kRed, 181, 222}, {kYellow, 220, 249}, {kGreen, 249, 391}, {kYellow, 391, 420}}},
     {3, {{kGreen, 178, 420}, {kYellow, 120, 178}, {kRed, 38, 120}}},
     kWholeGreen},
    {{5,
      {{kRed, 79, 120},
       {kYellow, 120, 149},
       {kGreen, 149, 291},
       {kYellow, 291, 320},
       {kRed, 320, 361}}},
     {3, {{kGreen, 78, 362}, {kYellow, 20, 78}, {kYellow, 362, 420}}},
     kWholeGreen},
    {{3, {{kGreen, 78, 362}, {kYellow, 20, 78}, {kYellow, 362, 420}}}, kWholeGreen, kWholeGreen},
};

struct TimeLabels {
  int32_t timeBase;
  const char* labels[11];
  const char* unit;
};

constexpr TimeLabels kTimeLabels[] = {
    {50, {"0", "5", "10", "15", "20", "25", "30", "35", "40", "45", "50"}, "(mSec.)"},
    {20, {"0", "2", "4", "6", "8", "10", "12", "14", "16", "18", "20"}, "(mSec.)"},
    {10, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, "(mSec.)"},
    {5000, {"0", "0.5", "1", "1.5", "2", "2.5", "3", "3.5", "4", "4.5", "5"}, "(mSec.)"},
    {2000, {"0", "0.2", "0.4", "0.6", "0.8", "1", "1.2", "1.4", "1.6", "1.8", "2"}, "(mSec.)"},
    {1000, {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}, "(mSec.)"},
    {500, {"0", "50", "100", "150", "200", "250", "300", "350", "400", "450", "500"}, "(uSec.)"},
    {200, {"0", "20", "40", "60", "80", "100", "120", "140", "160", "180", "200"}, "(uSec.)"},
};

// -1 when the state names no configuration of the tables.
int ConfigOf(const ViewState& state) {
  switch (state.scopeMode) {
    case ScopeMode::StereoOffset:
      if (state.scaleSide == ScaleSide::Right) return R;
      if (state.scaleSide == ScaleSide::Left) return L;
      return -1;
    case ScopeMode::StereoOverlay:
    case ScopeMode::Difference:
    case ScopeMode::Lissajous:
      return M;
    case ScopeMode::Sum:
      return S;
    default:
      return -1;
  }
}

int GainIndexOf(int32_t gain) {
  switch (gain) {
    case 1: return 0;
    case 2: return 1;
    case 5: return 2;
    default: return -1;
  }
}

}  // namespace

VerticalScaleLayout VerticalScaleOf(const ViewState& state) {
  VerticalScaleLayout layout;
  const int config = ConfigOf(state);
  const int gain = GainIndexOf(state.verticalGain);
  if (config < 0 || gain < 0) return layout;

  const ZoneBar& bar = kZoneBars[config][gain];
  for (int k = 0; k < bar.count; ++k) {
    const Segment& segment = bar.segments[k];
    layout.zones[layout.zoneCount++] = {{kZoneBarLeft, segment.top, kZoneBarLeft + kZoneBarWidth,
                                         segment.bottom},
                                        segment.colour};
  }

  const LabelRow* table = nullptr;
  if (state.verticalScale == VerticalScale::Decibel) table = &kDecibelLabels[config][gain];
  if (state.verticalScale == VerticalScale::Linear) table = &kLinearLabels[config][gain];
  if (table == nullptr) return layout;
  for (int k = 0; k < kGraduations; ++k) {
    const char* label = (*table)[k];
    if (label != nullptr) layout.labels[layout.labelCount++] = {{530, 14 + 50 * k}, label};
  }
  return layout;
}

TimeLabelLayout TimeLabelsOf(int32_t timeBase) {
  TimeLabelLayout layout;
  for (const TimeLabels& row : kTimeLabels) {
    if (row.timeBase != timeBase) continue;
    for (int32_t k = 0; k < 11; ++k) layout.labels[layout.count++] = {{40 + 45 * k, 430}, row.labels[k]};
    layout.labels[layout.count++] = {{252, 445}, row.unit};
    break;
  }
  return layout;
}

void DrawVerticalScale(const ViewState& state, DrawingSurface& surface) {
  const VerticalScaleLayout layout = VerticalScaleOf(state);
  for (int k = 0; k < layout.zoneCount; ++k) {
    const Rect& area = layout.zones[k].area;
    surface.FillSolidRect(area.left, area.top, area.right - area.left, area.bottom - area.top,
                          layout.zones[k].colour);
  }
  for (int k = 0; k < layout.labelCount; ++k)
    surface.TextOut(layout.labels[k].at.x, layout.labels[k].at.y, layout.labels[k].text);
}

void DrawTimeLabels(const ViewState& state, DrawingSurface& surface) {
  const TimeLabelLayout layout = TimeLabelsOf(state.timeBase);
  for (int k = 0; k < layout.count; ++k)
    surface.TextOut(layout.labels[k].at.x, layout.labels[k].at.y, layout.labels[k].text);
}
