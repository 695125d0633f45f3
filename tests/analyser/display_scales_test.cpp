#include <cstdio>
#include <string>
#include <vector>

#include "analyser/display/scales.h"
#include "tests/analyser/display_fixture.h"
#include "tests/support/golden_file.h"

namespace {

std::string ColourName(Colour colour) {
  switch (colour) {
    case 0x00FF00: return "green";
    case 0x00FFFF: return "yellow";
    case 0x0000FF: return "red";
    default: return std::to_string(colour);
  }
}

std::string Listing(const VerticalScaleLayout& layout) {
  std::string out;
  for (int k = 0; k < layout.zoneCount; ++k) {
    const Rect& a = layout.zones[k].area;
    out += "  zone " + std::to_string(a.left) + "," + std::to_string(a.top) + " to " +
           std::to_string(a.right) + "," + std::to_string(a.bottom) + " " +
           ColourName(layout.zones[k].colour) + "\n";
  }
  for (int k = 0; k < layout.labelCount; ++k) {
    const PlacedLabel& l = layout.labels[k];
    out += "  label " + std::to_string(l.at.x) + "," + std::to_string(l.at.y) + " " + l.text + "\n";
  }
  return out;
}

// Every scope mode, scale side, gain and graduation; every time base.
TEST(ScaleLayout, EveryVerticalScaleAndTimeBaseIsTheRecordedOne) {
  constexpr const char* kModes[] = {"", "offset", "overlay", "sum", "difference", "lissajous"};
  std::string out;
  auto state = std::make_unique<ViewState>();
  for (int32_t mode = ScopeMode::StereoOffset; mode <= ScopeMode::Lissajous; ++mode) {
    for (int32_t side : {ScaleSide::Right, ScaleSide::Left}) {
      for (int32_t gain : {1, 2, 5}) {
        for (int32_t scale : {VerticalScale::Decibel, VerticalScale::Linear}) {
          state->scopeMode = mode;
          state->scaleSide = side;
          state->verticalGain = gain;
          state->verticalScale = scale;
          out += std::string(kModes[mode]) + (side == ScaleSide::Right ? " right" : " left") +
                 " x" + std::to_string(gain) +
                 (scale == VerticalScale::Decibel ? " decibel" : " linear") + "\n";
          out += Listing(VerticalScaleOf(*state));
        }
      }
    }
  }
  for (const TimeBaseRow& row : kTimeBaseRows) {
    out += "time base " + std::to_string(row.timeBase) + "\n";
    const TimeLabelLayout labels = TimeLabelsOf(row.timeBase);
    for (int k = 0; k < labels.count; ++k) {
      const PlacedLabel& l = labels.labels[k];
      out += "  label " + std::to_string(l.at.x) + "," + std::to_string(l.at.y) + " " + l.text + "\n";
    }
  }
  EXPECT_TRUE(MatchesGoldenFile("scale_layouts.txt", out));
}

TEST(ScaleLayout, StatesWithoutATableHaveNoScale) {
  auto state = std::make_unique<ViewState>();
  state->scopeMode = ScopeMode::StereoOffset;
  state->scaleSide = ScaleSide::Right;
  state->verticalGain = 3;
  state->verticalScale = VerticalScale::Decibel;
  EXPECT_EQ(VerticalScaleOf(*state).zoneCount, 0);
  state->verticalGain = 1;
  state->verticalScale = 0;
  EXPECT_GT(VerticalScaleOf(*state).zoneCount, 0);  // the zone bar without labels
  EXPECT_EQ(VerticalScaleOf(*state).labelCount, 0);
  EXPECT_EQ(TimeLabelsOf(3).count, 0);
}

class ScalesTest : public DisplayTest {};

// The paint draws the layouts as they are: zone segments in order, then the labels, in
// the label font; then the time labels.
TEST_F(ScalesTest, ThePaintDrawsTheLayouts) {
  for (int32_t mode : {ScopeMode::StereoOffset, ScopeMode::Sum}) {
    ShowScopeMode(mode);
    State().verticalGain = 2;
    ApplyTimeBase(State(), kTimeBaseRows[3]);
    Paint();
    const VerticalScaleLayout scale = VerticalScaleOf(State());
    std::vector<RecordingSurface::Fill> zones;
    for (const auto& fill : surface.Fills())
      if (fill.x == kZoneBarLeft) zones.push_back(fill);
    ASSERT_EQ(static_cast<int>(zones.size()), scale.zoneCount);
    for (int k = 0; k < scale.zoneCount; ++k) {
      const Rect& a = scale.zones[k].area;
      EXPECT_EQ(zones[k].y, a.top);
      EXPECT_EQ(zones[k].width, a.right - a.left);
      EXPECT_EQ(zones[k].height, a.bottom - a.top);
      EXPECT_EQ(zones[k].colour, scale.zones[k].colour);
    }
    std::vector<std::string> drawn, laidOut;
    for (const auto& text : surface.Texts()) {
      if (text.x == 530) {
        drawn.push_back(std::to_string(text.y) + text.text);
        EXPECT_EQ(text.font, State().labelFont);
      }
      if ((text.y == 430 || text.y == 445) && text.x < 530)  // the panel hint is at 555
        drawn.push_back(std::to_string(text.x) + "," + std::to_string(text.y) + text.text);
    }
    for (int k = 0; k < scale.labelCount; ++k)
      laidOut.push_back(std::to_string(scale.labels[k].at.y) + scale.labels[k].text);
    const TimeLabelLayout time = TimeLabelsOf(State().timeBase);
    for (int k = 0; k < time.count; ++k)
      laidOut.push_back(std::to_string(time.labels[k].at.x) + "," +
                        std::to_string(time.labels[k].at.y) + time.labels[k].text);
    EXPECT_EQ(drawn, laidOut) << mode;
  }
}

}  // namespace
