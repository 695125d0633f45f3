// The nine preferences in the per-user profile.
#include <gtest/gtest.h>

#include "analyser/settings/profile_settings.h"
#include "analyser/settings/settings_defaults.h"
#include "tests/support/view_doubles.h"

namespace {

std::unique_ptr<ViewState> NewState() { return std::make_unique<ViewState>(); }

TEST(ProfileSettings, FirstRunWritesTheDefaultsInOrderThenReadsThem) {
  MemoryProfile profile;
  auto state = NewState();
  LoadProfileSettings(*state, profile);
  EXPECT_EQ(profile.writes,
            (std::vector<std::string>{"settings/couleur1", "settings/couleur2",
                                      "settings/couleur3", "settings/couleur4",
                                      "settings/couleur5", "settings/couleur6",
                                      "settings/couleur7", "settings/couleur8",
                                      "settings/trace"}));
  EXPECT_EQ(profile.values["settings/couleur1"], 12632256);
  EXPECT_EQ(profile.values["settings/couleur5"], 65535);
  EXPECT_EQ(profile.values["settings/couleur6"], 16711680);
  EXPECT_EQ(profile.values["settings/couleur7"], 65280);
  EXPECT_EQ(state->scopeBackgroundColour, 0xC0C0C0u);
  EXPECT_EQ(state->bargraphBackgroundColour, 0xC0C0C0u);
  EXPECT_EQ(state->topTraceColour, 0x0000FFu);
  EXPECT_EQ(state->bottomTraceColour, 0x00FFFFu);
  EXPECT_EQ(state->sumTraceColour, 0xFF0000u);
  EXPECT_EQ(state->differenceTraceColour, 0x00FF00u);
  EXPECT_EQ(state->lissajousTraceColour, 0x0000FFu);
  EXPECT_EQ(state->traceThickness, 2);
}

TEST(ProfileSettings, StoredThicknessIsUsedAsIsAndNothingIsRewritten) {
  for (int32_t thickness : {0, 7, -1}) {
    MemoryProfile profile;
    profile.values["settings/trace"] = thickness;
    profile.values["settings/couleur4"] = 0x123456;
    auto state = NewState();
    LoadProfileSettings(*state, profile);
    EXPECT_TRUE(profile.writes.empty()) << thickness;
    EXPECT_EQ(state->traceThickness, thickness);
    EXPECT_EQ(state->topTraceColour, 0x123456u);
    EXPECT_EQ(state->scopeBackgroundColour, 0u);  // missing entries read as 0
  }
}

TEST(ProfileSettings, SavedValuesSurviveTheNextRun) {
  MemoryProfile profile;
  auto first = NewState();
  LoadProfileSettings(*first, profile);
  first->sumTraceColour = 0x00ABCDEF;
  first->vuBackgroundColour = 0x00010203;
  first->traceThickness = 5;
  SaveProfileSettings(*first, profile);
  profile.writes.clear();

  auto second = NewState();
  LoadProfileSettings(*second, profile);
  EXPECT_TRUE(profile.writes.empty());
  EXPECT_EQ(second->sumTraceColour, 0x00ABCDEFu);
  EXPECT_EQ(second->vuBackgroundColour, 0x00010203u);
  EXPECT_EQ(second->traceThickness, 5);
  EXPECT_EQ(second->topTraceColour, kDefaultPreferences.colours[3]);
}

}  // namespace
