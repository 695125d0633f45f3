#include <gtest/gtest.h>

#include <memory>

#include "analyser/spectrum/spectrum_commands.h"
#include "analyser/state/command_ids.h"
#include "tests/support/view_on_doubles.h"

namespace {

using namespace CommandId;

constexpr uint32_t kIntegrationItems[] = {IntegrationOff, IntegrationShort, IntegrationMedium,
                                          IntegrationLong};
constexpr uint32_t kCompressionItems[] = {CompressionOff, CompressionCommon,
                                          CompressionIndependent};

int CheckedCount(const ViewState& state, const uint32_t* ids, int count, uint32_t* which) {
  int checked = 0;
  for (int i = 0; i < count; ++i) {
    const auto mark = SpectrumCommandChecked(state, ids[i]);
    EXPECT_TRUE(mark.has_value()) << ids[i];
    if (mark.value_or(false)) {
      ++checked;
      *which = ids[i];
    }
  }
  return checked;
}

TEST(SpectrumCommands, EachItemSetsItsValueAndIsTheOnlyOneChecked) {
  auto state = std::make_unique<ViewState>();
  state->integrationEnabled = 1;
  state->integrationDepth = 1;
  state->spectrumCompression = 1;
  for (uint32_t id : kIntegrationItems) {
    ASSERT_TRUE(HandleSpectrumCommand(*state, id));
    uint32_t which = 0;
    EXPECT_EQ(CheckedCount(*state, kIntegrationItems, 4, &which), 1) << id;
    EXPECT_EQ(which, id);
  }
  for (uint32_t id : kCompressionItems) {
    ASSERT_TRUE(HandleSpectrumCommand(*state, id));
    uint32_t which = 0;
    EXPECT_EQ(CheckedCount(*state, kCompressionItems, 3, &which), 1) << id;
    EXPECT_EQ(which, id);
  }
  EXPECT_EQ(state->spectrumCompression, 2);  // Indépendant was last
}

TEST(SpectrumCommands, OffKeepsTheDepth) {
  auto state = std::make_unique<ViewState>();
  HandleSpectrumCommand(*state, IntegrationMedium);
  HandleSpectrumCommand(*state, IntegrationOff);
  EXPECT_EQ(state->integrationEnabled, 0);
  EXPECT_EQ(state->integrationDepth, 3);
  EXPECT_FALSE(SpectrumCommandChecked(*state, IntegrationMedium).value());
  HandleSpectrumCommand(*state, IntegrationLong);
  EXPECT_EQ(state->integrationDepth, 5);
}

TEST(SpectrumCommands, OtherIdentifiersAreNotTheirs) {
  auto state = std::make_unique<ViewState>();
  state->spectrumCompression = 1;
  for (uint32_t id : {Spectrograph, uint32_t{32829}, uint32_t{32837}, Start}) {
    EXPECT_FALSE(HandleSpectrumCommand(*state, id)) << id;
    EXPECT_FALSE(SpectrumCommandChecked(*state, id).has_value()) << id;
  }
  EXPECT_EQ(state->spectrumCompression, 1);
}

TEST(SpectrumCommands, TheViewStartsWithCourteAndCommuneAndRunsTheAnalysis) {
  auto rig = std::make_unique<ViewOnDoubles>();
  rig->view.PreCreateWindow();
  EXPECT_TRUE(rig->view.IsChecked(IntegrationShort));
  EXPECT_TRUE(rig->view.IsChecked(CompressionCommon));
  EXPECT_FALSE(rig->view.IsChecked(IntegrationOff));

  ViewState& state = rig->view.State();
  const int32_t triangle[8] = {0, 5, 10, 5, 0, -5, -10, -5};
  for (int n = 0; n < kSampleSlots; ++n) state.samples.leftSamples[n] = triangle[n % 8];
  rig->invalidation.entries.clear();
  ASSERT_TRUE(rig->view.OnCommand(CompressionOff));
  EXPECT_TRUE(rig->invalidation.entries.size() <= 1u);  // at most a repaint, no analysis
  EXPECT_EQ(state.spectrum.integratedSpectrum[1][55], 0);

  rig->view.AnalyseSpectrum(2);
  EXPECT_EQ(state.spectrum.integratedSpectrum[1][55], 311);
  EXPECT_EQ(state.spectrum.displaySpectrum[1][55], state.spectrum.integratedSpectrum[1][55]);
}

}  // namespace
