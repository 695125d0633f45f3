// The view's menu commands, check rules, conditions and print hooks.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "analyser/display/scales.h"
#include "analyser/frame/frame_placement.h"
#include "analyser/frame/accelerators.h"
#include "analyser/frame/menu_table.h"
#include "analyser/frame/prompt_strings.h"
#include "analyser/frame/toolbar_table.h"
#include "tests/analyser/capture_fixture.h"
#include "tests/support/golden_file.h"

namespace {

class CommandsTest : public CaptureFixture {
 protected:
  void Run(uint32_t id) { ASSERT_TRUE(view->OnCommand(id)) << id; }
  bool Checked(uint32_t id) const { return view->IsChecked(id); }
  size_t Redraws() const { return invalidation.entries.size(); }
  bool AllWholeWithErase() const {
    for (const auto& e : invalidation.entries)
      if (!e.wholeView || !e.erase) return false;
    return true;
  }
};

TEST_F(CommandsTest, AtStartTheMenusMarkTheOffsetScopeStoppedWithItsDefaults) {
  std::vector<std::string> marked;
  for (const MenuItem& item : MenuBarItems()) {
    if (item.kind == MenuItemKind::Command && item.checkable && Checked(item.commandId))
      marked.push_back(item.text);
  }
  // The toolbar and status-bar items are the frame's, not the view's.
  EXPECT_EQ(marked, (std::vector<std::string>{"&Grille", "A&rr\xC3\xAAt", "2 &voies d\xC3\xA9" "cal\xC3\xA9" "es",
                                              "1 ms.", "Moyen", "X 1", "DB.", "Droite",
                                              "&Courte", "&Commune"}));
}

TEST_F(CommandsTest, ScopeModesSetFamilyTraceSetAndCentres) {
  Run(CommandId::StereoOverlay);
  EXPECT_EQ(State().scopeMode, ScopeMode::StereoOverlay);
  EXPECT_EQ(State().traceSet, TraceSet::Channels);
  EXPECT_EQ(State().rightTraceCentre, 220);
  EXPECT_EQ(State().leftTraceCentre, 220);
  EXPECT_TRUE(Checked(CommandId::StereoOverlay));
  EXPECT_FALSE(Checked(CommandId::StereoOffset));

  Run(CommandId::Sum);
  EXPECT_EQ(State().traceSet, TraceSet::Sum);
  EXPECT_EQ(State().rightTraceCentre, 220);  // left as they were
  Run(CommandId::Difference);
  EXPECT_EQ(State().traceSet, TraceSet::Difference);
  Run(CommandId::Lissajous);
  EXPECT_EQ(State().traceSet, TraceSet::Lissajous);
  EXPECT_TRUE(Checked(CommandId::Lissajous));
  Run(CommandId::StereoOffset);
  EXPECT_EQ(State().rightTraceCentre, 120);
  EXPECT_EQ(State().leftTraceCentre, 320);
  EXPECT_EQ(State().traceSet, TraceSet::Channels);
  EXPECT_TRUE(AllWholeWithErase());
  EXPECT_EQ(Redraws(), 5u);
}

TEST_F(CommandsTest, SpectrographThenOverlayRestoresMediumRefresh) {
  Run(CommandId::StereoOverlay);
  Run(CommandId::Spectrograph);
  EXPECT_EQ(State().refreshPeriod, 25);
  EXPECT_EQ(State().displayFamily, DisplayFamily::Spectrograph);
  EXPECT_EQ(State().scopeMode, ScopeMode::StereoOffset);
  EXPECT_EQ(State().rightTraceCentre, 120);
  EXPECT_FALSE(TimerArmed());  // the spectrograph does not start measuring
  EXPECT_FALSE(Checked(CommandId::StereoOffset));
  EXPECT_TRUE(Checked(CommandId::Spectrograph));
  EXPECT_FALSE(Checked(CommandId::RefreshFast));
  EXPECT_FALSE(Checked(CommandId::RefreshMedium));
  EXPECT_FALSE(Checked(CommandId::RefreshSlow));

  invalidation.entries.clear();
  Run(CommandId::StereoOverlay);
  EXPECT_EQ(State().refreshPeriod, 500);
  EXPECT_EQ(State().rightTraceCentre, 220);
  EXPECT_EQ(State().leftTraceCentre, 220);
  EXPECT_EQ(Redraws(), 2u);  // once for the period, once for the mode
}

TEST_F(CommandsTest, SpectrographThenSlowThenSumKeepsSlow) {
  Run(CommandId::Spectrograph);
  Run(CommandId::RefreshSlow);
  Run(CommandId::Sum);
  EXPECT_EQ(State().refreshPeriod, 1000);
  EXPECT_TRUE(Checked(CommandId::RefreshSlow));
}

TEST_F(CommandsTest, MetersStartTheMeasurementAtTheFastPeriod) {
  ASSERT_EQ(State().acquisitionRunning, 0);
  Run(CommandId::VuMeters);
  EXPECT_EQ(State().acquisitionRunning, 1);
  EXPECT_TRUE(TimerArmed());
  EXPECT_TRUE(Checked(CommandId::Start));
  EXPECT_FALSE(Checked(CommandId::Stop));
  EXPECT_TRUE(Checked(CommandId::VuMeters));
  EXPECT_EQ(State().refreshPeriod, 100);

  Run(CommandId::StereoOverlay);
  EXPECT_EQ(State().acquisitionRunning, 1);
  EXPECT_EQ(State().refreshPeriod, 100);

  Run(CommandId::Spectrograph);
  invalidation.entries.clear();
  Run(CommandId::Bargraphs);
  EXPECT_EQ(State().displayFamily, DisplayFamily::Bargraphs);
  EXPECT_EQ(State().refreshPeriod, 100);
  EXPECT_EQ(Redraws(), 2u);
}

TEST_F(CommandsTest, GainOnlyInTheOscilloscopeFamily) {
  Run(CommandId::VuMeters);
  invalidation.entries.clear();
  Run(CommandId::Gain2);
  EXPECT_EQ(State().verticalGain, 1);
  EXPECT_TRUE(Checked(CommandId::Gain1));
  EXPECT_FALSE(Checked(CommandId::Gain2));
  EXPECT_EQ(Redraws(), 0u);  // not even a redraw

  Run(CommandId::Sum);
  Run(CommandId::Gain5);
  EXPECT_EQ(State().verticalGain, 5);
  EXPECT_TRUE(Checked(CommandId::Gain5));
}

TEST_F(CommandsTest, ScaleSideOnlyInTheOffsetLayout) {
  Run(CommandId::StereoOverlay);
  invalidation.entries.clear();
  Run(CommandId::ScaleLeft);
  EXPECT_EQ(State().scaleSide, ScaleSide::Right);
  EXPECT_EQ(Redraws(), 0u);

  Run(CommandId::StereoOffset);
  Run(CommandId::ScaleLeft);
  EXPECT_EQ(State().scaleSide, ScaleSide::Left);
  EXPECT_TRUE(Checked(CommandId::ScaleLeft));
  Run(CommandId::ScaleRight);
  EXPECT_TRUE(Checked(CommandId::ScaleRight));

  // The offset mode with centres moved elsewhere (not reachable by the menus alone).
  State().rightTraceCentre = 220;
  Run(CommandId::ScaleLeft);
  EXPECT_EQ(State().scaleSide, ScaleSide::Right);
}

// Each time-base command sets the step and stride that make the ten divisions (450
// units) span its screen time at 44100 samples a second, within a few percent.
TEST_F(CommandsTest, EachTimeBaseSpansItsScreenTime) {
  const int64_t screenMicroseconds[8] = {50000, 20000, 10000, 5000, 2000, 1000, 500, 200};
  for (uint32_t i = 0; i < 8; ++i) {
    Run(CommandId::TimeBase50ms + i);
    const int64_t samples = 450 / State().pixelStep * State().sampleStride;
    const int64_t spanned = samples * 1000000 / 44100;
    EXPECT_GE(spanned * 100, screenMicroseconds[i] * 97) << i;
    EXPECT_LE(spanned * 100, screenMicroseconds[i] * 103) << i;
    EXPECT_EQ(TimeLabelsOf(State().timeBase).count, 12) << i;  // a time base the labels know
    for (uint32_t j = 0; j < 8; ++j) EXPECT_EQ(Checked(CommandId::TimeBase50ms + j), i == j);
  }
  // Time base has no condition: it works in the meters as well.
  Run(CommandId::Bargraphs);
  Run(CommandId::TimeBase10ms);
  EXPECT_EQ(State().timeBase, 10);
}

TEST_F(CommandsTest, RefreshScaleAndGridAssignments) {
  Run(CommandId::RefreshFast);
  EXPECT_EQ(State().refreshPeriod, 100);
  EXPECT_TRUE(Checked(CommandId::RefreshFast));
  Run(CommandId::ScaleLinear);
  EXPECT_EQ(State().verticalScale, VerticalScale::Linear);
  EXPECT_TRUE(Checked(CommandId::ScaleLinear));
  EXPECT_FALSE(Checked(CommandId::ScaleDecibel));

  Run(CommandId::Grid);
  EXPECT_EQ(State().gridVisible, 0);
  EXPECT_FALSE(Checked(CommandId::Grid));
  Run(CommandId::Grid);
  EXPECT_EQ(State().gridVisible, 1);
  EXPECT_TRUE(Checked(CommandId::Grid));
}

TEST_F(CommandsTest, StartAndStopRedrawOnlyWhenTheStateChanges) {
  Run(CommandId::Start);
  EXPECT_EQ(Redraws(), 1u);
  Run(CommandId::Start);
  EXPECT_EQ(Redraws(), 1u);
  EXPECT_EQ(TimerPeriod(), 400u);
  Run(CommandId::Stop);
  EXPECT_EQ(Redraws(), 2u);
  Run(CommandId::Stop);
  EXPECT_EQ(Redraws(), 2u);
  EXPECT_FALSE(TimerArmed());
}

TEST_F(CommandsTest, SpectrumCommandsGoThroughTheViewWithoutRedraw) {
  Run(CommandId::IntegrationLong);
  EXPECT_EQ(State().integrationDepth, IntegrationDepth::Long);
  EXPECT_TRUE(Checked(CommandId::IntegrationLong));
  Run(CommandId::CompressionOff);
  EXPECT_EQ(State().spectrumCompression, SpectrumCompression::Off);
  EXPECT_TRUE(Checked(CommandId::CompressionOff));
  EXPECT_EQ(Redraws(), 0u);
}

TEST_F(CommandsTest, ShellCommandsAreNotTheViews) {
  for (uint32_t id : {CommandId::FileNew, CommandId::FilePrint, CommandId::Help,
                      CommandId::Preferences, CommandId::WebPage, CommandId::SoundMixer})
    EXPECT_FALSE(view->OnCommand(id)) << id;
}

TEST_F(CommandsTest, PrintingFromTheBargraphsPrintsTheOscilloscope) {
  Run(CommandId::Lissajous);
  Run(CommandId::Bargraphs);
  ASSERT_EQ(State().acquisitionRunning, 1);
  invalidation.entries.clear();
  EXPECT_TRUE(view->OnPreparePrinting([&] {
    EXPECT_EQ(State().outputTarget, OutputTarget::Printer);
    return true;
  }));
  EXPECT_EQ(State().acquisitionRunning, 0);
  EXPECT_EQ(Redraws(), 0u);  // stopping for print does not redraw
  EXPECT_EQ(State().displayFamily, DisplayFamily::Oscilloscope);
  view->OnBeginPrinting();
  EXPECT_EQ(State().outputTarget, OutputTarget::Printer);
  view->OnEndPrinting();
  EXPECT_EQ(State().outputTarget, OutputTarget::Screen);
  EXPECT_EQ(State().displayFamily, DisplayFamily::Oscilloscope);
  EXPECT_EQ(State().scopeMode, ScopeMode::Lissajous);
  EXPECT_FALSE(TimerArmed());
}

TEST_F(CommandsTest, PrintingKeepsTheSpectrograph) {
  Run(CommandId::Spectrograph);
  view->OnPreparePrinting([] { return true; });
  EXPECT_EQ(State().displayFamily, DisplayFamily::Spectrograph);
}

TEST_F(CommandsTest, CancelledPrintDialogReturnsToTheScreen) {
  Run(CommandId::VuMeters);
  EXPECT_FALSE(view->OnPreparePrinting([] { return false; }));
  EXPECT_EQ(State().outputTarget, OutputTarget::Screen);
  EXPECT_EQ(State().acquisitionRunning, 0);
  EXPECT_EQ(State().displayFamily, DisplayFamily::Oscilloscope);
  ASSERT_FALSE(invalidation.entries.empty());
  EXPECT_TRUE(invalidation.entries.back().wholeView);
}

// The menu bar, its shortcuts and the toolbar as one listing: one line an entry.
std::string MenuListing() {
  std::string out;
  for (const MenuItem& item : MenuBarItems()) {
    out.append(2 * static_cast<size_t>(item.depth), ' ');
    switch (item.kind) {
      case MenuItemKind::Popup: out += "menu " + MenuText(item); break;
      case MenuItemKind::Separator: out += "-"; break;
      case MenuItemKind::RecentFiles: out += "(recent files)"; break;
      case MenuItemKind::Command: {
        std::string text = MenuText(item);
        if (const size_t tab = text.find('\t'); tab != std::string::npos) text.replace(tab, 1, " <tab> ");
        out += (item.checkable ? "check " : "item ") + text + " = " + std::to_string(item.commandId);
        break;
      }
    }
    out += "\n";
  }
  out += "toolbar\n";
  for (const ToolbarEntry& entry : ToolbarEntries())
    out += entry.commandId == 0 ? std::string("  -\n")
                                : "  " + std::to_string(entry.commandId) + " " + entry.iconName + "\n";
  out += "keys\n";
  for (const Accelerator& a : Accelerators())
    out += std::string("  ") + a.keys + " = " + std::to_string(a.commandId) +
           (a.namedInMenu ? "" : " (not named in the menu)") + "\n";
  return out;
}

TEST(MenuTable, MenuBarToolbarAndKeysAreTheRecordedOnes) {
  EXPECT_TRUE(MatchesGoldenFile("menu_bar.txt", MenuListing()));
}

TEST(MenuTable, EveryCommandOnceAndEveryViewCommandReachable) {
  std::set<uint32_t> ids;
  for (const MenuItem& item : MenuBarItems()) {
    if (item.kind == MenuItemKind::Command) {
      EXPECT_TRUE(ids.insert(item.commandId).second) << item.text;
    }
  }
  for (uint32_t id = CommandId::Start; id <= CommandId::ScaleLeft; ++id)
    EXPECT_TRUE(ids.count(id)) << id;
  for (uint32_t id = CommandId::IntegrationOff; id <= CommandId::CompressionOff; ++id)
    EXPECT_TRUE(ids.count(id)) << id;
  for (const ToolbarEntry& e : ToolbarEntries()) {
    if (e.commandId != 0) {
      EXPECT_FALSE(PromptString(e.commandId).empty()) << e.iconName;
    }
  }
}

TEST(MenuTable, PromptsSplitIntoStatusTextAndTooltip) {
  EXPECT_EQ(StatusPrompt(CommandId::StereoOverlay), "Affichage 2 voies superposées.");
  EXPECT_EQ(Tooltip(CommandId::StereoOverlay), "2voies superposées");
  EXPECT_EQ(StatusPrompt(CommandId::RefreshSlow), "Rafraîchissement lent de l'affichage.");
  EXPECT_EQ(Tooltip(CommandId::RefreshSlow), "");
  EXPECT_EQ(StatusPrompt(CommandId::FileMru1 + 3), "Ouvre ce document");
  EXPECT_EQ(Tooltip(CommandId::TimeBase05ms), "Base de temps = 0.5 ms.");
  EXPECT_EQ(PromptString(12345), "");
}

TEST(FramePlacement, SmallScreensTopLeftOtherwiseCentred) {
  EXPECT_EQ(MainFramePlacement(850, 600), (Rect{0, 0, 800, 572}));
  EXPECT_EQ(MainFramePlacement(640, 480), (Rect{0, 0, 800, 572}));
  const Rect wide = MainFramePlacement(851, 700);
  EXPECT_EQ(wide.left, 25);
  EXPECT_EQ(wide.top, 64);
  EXPECT_EQ(MainFramePlacement(1024, 768), (Rect{112, 98, 912, 670}));
  // A screen lower than the window: the division truncates toward zero.
  EXPECT_EQ(MainFramePlacement(1000, 571).top, 0);
  EXPECT_EQ(MainFramePlacement(1000, 569).top, -1);
}

}  // namespace
