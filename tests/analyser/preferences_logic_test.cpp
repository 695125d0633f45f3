// The preferences dialog's model: copy in and out, the thickness radios, Defaut, Cancel.
#include <gtest/gtest.h>

#include <memory>

#include "analyser/settings/preferences_logic.h"
#include "tests/support/view_doubles.h"

namespace {

std::unique_ptr<ViewState> StateWithOwnColours(int32_t thickness) {
  auto state = std::make_unique<ViewState>();
  state->scopeBackgroundColour = 0x010101;
  state->vuBackgroundColour = 0x020202;
  state->bargraphBackgroundColour = 0x030303;
  state->topTraceColour = 0x040404;
  state->bottomTraceColour = 0x050505;
  state->sumTraceColour = 0x060606;
  state->differenceTraceColour = 0x070707;
  state->lissajousTraceColour = 0x080808;
  state->traceThickness = thickness;
  return state;
}

std::array<bool, 5> Checked(int pixels) {
  std::array<bool, 5> checks{};
  if (pixels >= 1 && pixels <= 5) checks[static_cast<std::size_t>(pixels - 1)] = true;
  return checks;
}

TEST(PreferencesModel, CopiesTheViewsValuesInOrderAndChecksItsThickness) {
  auto state = StateWithOwnColours(4);
  PreferencesModel model(*state);
  for (int i = 0; i < kColourCount; ++i)
    EXPECT_EQ(model.Values().colours[i], 0x010101u * static_cast<uint32_t>(i + 1)) << i;
  EXPECT_EQ(model.Values().traceThickness, 4);
  EXPECT_EQ(model.ThicknessChecks(), Checked(4));
}

TEST(PreferencesModel, AThicknessOutsideOneToFiveChecksNoneAndIsKeptOnOk) {
  for (int32_t stored : {0, 7, -1}) {
    auto state = StateWithOwnColours(stored);
    PreferencesModel model(*state);
    EXPECT_EQ(model.ThicknessChecks(), Checked(0)) << stored;
    model.ChooseColour(3, 0x123456);  // a colour choice re-synchronises: still none
    EXPECT_EQ(model.ThicknessChecks(), Checked(0)) << stored;
    model.CopyOut(*state);
    EXPECT_EQ(state->traceThickness, stored);
    EXPECT_EQ(state->topTraceColour, 0x123456u);
  }
}

TEST(PreferencesModel, EveryThicknessClickLeavesExactlyItsRadioChecked) {
  auto state = StateWithOwnColours(2);
  PreferencesModel model(*state);
  for (int32_t pixels : {5, 1, 3, 3, 4}) {
    model.ChooseThickness(pixels);
    EXPECT_EQ(model.ThicknessChecks(), Checked(pixels));
    EXPECT_EQ(model.Values().traceThickness, pixels);
  }
  model.ChooseThickness(6);  // no such radio: nothing changes
  EXPECT_EQ(model.Values().traceThickness, 4);
}

TEST(PreferencesModel, ControlIdentifiersMapToTheirElementsAndThicknesses) {
  const int32_t buttons[] = {1003, 1004, 1018, 1019, 1020, 1021, 1022, 1023};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(PreferencesModel::ColourElementOf(buttons[i]), i);
  EXPECT_EQ(PreferencesModel::ColourElementOf(1005), -1);
  EXPECT_EQ(PreferencesModel::ThicknessOf(1008), 1);
  EXPECT_EQ(PreferencesModel::ThicknessOf(1012), 5);
  EXPECT_EQ(PreferencesModel::ThicknessOf(1013), 0);
  EXPECT_EQ(PreferencesModel::ThicknessOf(1007), 0);
}

TEST(PreferencesModel, AClickChangesTheValuesOrTellsTheDialogWhatIsLeftToDo) {
  using R = PreferencesReply;
  auto state = StateWithOwnColours(2);
  PreferencesModel model(*state);
  EXPECT_EQ(model.Click(1011), R::Nothing);
  EXPECT_EQ(model.ThicknessChecks(), Checked(4));
  EXPECT_EQ(model.Click(1018), R::ChooseColour);
  for (const auto& [id, reply] : {std::pair{1, R::CloseOk}, {2, R::CloseCancel},
                                  {1026, R::OpenHelpPage}, {1025, R::OpenWebPage}, {1005, R::Nothing}})
    EXPECT_EQ(model.Click(id), reply) << id;
  EXPECT_EQ(model.Values().traceThickness, 4);
  EXPECT_EQ(model.Click(1027), R::CloseOk);  // Defaut: the table, then closed as OK
  EXPECT_EQ(model.Values().traceThickness, 2);
}

TEST(PreferencesModel, AChosenColourLosesAnyAlphaByte) {
  auto state = StateWithOwnColours(2);
  PreferencesModel model(*state);
  model.ChooseColour(7, 0xFF00FF00u);
  EXPECT_EQ(model.Values().colours[7], 0x0000FF00u);
  model.ChooseColour(8, 0x111111);  // no ninth colour
  model.ChooseColour(-1, 0x111111);
  EXPECT_EQ(model.Values().colours[0], 0x010101u);
}

TEST(FinishPreferences, OkCopiesTheNineValuesAndAsksForNewPens) {
  auto state = StateWithOwnColours(2);
  state->resourcesPending = 0;
  PreferencesModel model(*state);
  model.ChooseColour(0, 0x00AABBCC);
  model.ChooseColour(4, 0x00010203);
  model.ChooseThickness(5);
  RecordingInvalidation invalidation;
  FinishPreferences(model, true, *state, invalidation);
  EXPECT_EQ(state->scopeBackgroundColour, 0x00AABBCCu);
  EXPECT_EQ(state->bottomTraceColour, 0x00010203u);
  EXPECT_EQ(state->sumTraceColour, 0x060606u);
  EXPECT_EQ(state->traceThickness, 5);
  EXPECT_EQ(state->resourcesPending, 1);
  ASSERT_EQ(invalidation.entries.size(), 1u);
  EXPECT_TRUE(invalidation.entries[0].wholeView);
  EXPECT_TRUE(invalidation.entries[0].erase);
}

TEST(FinishPreferences, CancelKeepsTheViewsValuesButStillRepaints) {
  auto state = StateWithOwnColours(3);
  state->resourcesPending = 0;
  PreferencesModel model(*state);
  model.ChooseColour(2, 0x00ABCDEF);
  model.ChooseThickness(1);
  RecordingInvalidation invalidation;
  FinishPreferences(model, false, *state, invalidation);
  EXPECT_EQ(state->bargraphBackgroundColour, 0x030303u);
  EXPECT_EQ(state->traceThickness, 3);
  EXPECT_EQ(state->resourcesPending, 0);
  ASSERT_EQ(invalidation.entries.size(), 1u);
  EXPECT_TRUE(invalidation.entries[0].wholeView);
  EXPECT_TRUE(invalidation.entries[0].erase);
  // The next opening starts again from the view.
  PreferencesModel reopened(*state);
  EXPECT_EQ(reopened.Values().colours[2], 0x030303u);
}

TEST(FinishPreferences, DefautDiscardsEarlierChoicesAndAppliesTheTableAtOnce) {
  auto state = StateWithOwnColours(0);
  PreferencesModel model(*state);
  model.ChooseColour(3, 0x00112233);
  model.ChooseThickness(4);
  model.ApplyDefaults();
  EXPECT_EQ(model.ThicknessChecks(), Checked(2));
  RecordingInvalidation invalidation;
  FinishPreferences(model, true, *state, invalidation);
  EXPECT_EQ(state->scopeBackgroundColour, 0x00C0C0C0u);
  EXPECT_EQ(state->vuBackgroundColour, 0x00C0C0C0u);
  EXPECT_EQ(state->bargraphBackgroundColour, 0x00C0C0C0u);
  EXPECT_EQ(state->topTraceColour, 0x000000FFu);
  EXPECT_EQ(state->bottomTraceColour, 0x0000FFFFu);
  EXPECT_EQ(state->sumTraceColour, 0x00FF0000u);
  EXPECT_EQ(state->differenceTraceColour, 0x0000FF00u);
  EXPECT_EQ(state->lissajousTraceColour, 0x000000FFu);
  EXPECT_EQ(state->traceThickness, 2);
  EXPECT_EQ(state->resourcesPending, 1);
}

}  // namespace
