#include <gtest/gtest.h>

#include <algorithm>

#include "analyser/capture/acquisition_cycle.h"
#include "tests/analyser/capture_fixture.h"

namespace {

const char kReminder[] =
    "Le programme ne peut pas fonctionner normalement \xC3\xA0 cause d'un probl\xC3\xA8me qui "
    "vous a d\xC3\xA9j\xC3\xA0 \xC3\xA9t\xC3\xA9 signal\xC3\xA9. Quittez le programme et "
    "r\xC3\xA9" "essayez.";

constexpr Rect kSync{572, 342, 683, 353};

class AcquisitionCycle : public CaptureFixture {
 protected:
  // A recording of silence (bytes 128).
  void RecordSilence() { sound.recording.assign(kCaptureBufferBytes, 128); }
  std::vector<Rect> InvalidatedAreas() const {
    std::vector<Rect> areas;
    for (const auto& e : invalidation.entries) {
      EXPECT_TRUE(e.erase);
      areas.push_back(e.wholeView ? Rect{-1, -1, -1, -1} : e.area);
    }
    return areas;
  }
  // Runs one arm and one collect tick after a start.
  void RunFirstCycle() {
    ASSERT_TRUE(view->StartAcquisition());
    AdvanceBy(800);
  }
};
using AcquisitionWithoutDevice = NoDeviceFixture;

const Rect kWholeView{-1, -1, -1, -1};

TEST_F(AcquisitionCycle, StartArmsTheTimerForTheCaptureWaitOnce) {
  EXPECT_EQ(State().acquisitionRunning, 0);
  ASSERT_TRUE(view->StartAcquisition());
  EXPECT_EQ(State().capturePhase, CapturePhase::Arm);
  EXPECT_EQ(TimerPeriod(), 400u);
  AdvanceBy(300);
  // A second Marche neither restarts the cycle nor shortens the wait.
  EXPECT_FALSE(view->StartAcquisition());
  EXPECT_EQ(timers.armed.at(TimerId::Acquisition).dueAtMs, 400);
  EXPECT_EQ(timers.setCount, 1);
}

TEST_F(AcquisitionCycle, StopOnlyWhenRunning) {
  EXPECT_FALSE(view->StopAcquisition());
  ASSERT_TRUE(view->StartAcquisition());
  EXPECT_TRUE(view->StopAcquisition());
  EXPECT_FALSE(TimerArmed());
  EXPECT_EQ(State().acquisitionRunning, 0);
  EXPECT_FALSE(view->StopAcquisition());
}

TEST_F(AcquisitionCycle, FirstBlockArrivesEightHundredMillisecondsAfterStart) {
  sound.recording.assign(kCaptureBufferBytes, 0);
  sound.calls.clear();
  ASSERT_TRUE(view->StartAcquisition());
  AdvanceTo(399);
  EXPECT_TRUE(sound.calls.empty());
  AdvanceTo(400);
  EXPECT_EQ(sound.calls, (std::vector<std::string>{"prepare", "add", "start"}));
  EXPECT_EQ(State().capturePhase, CapturePhase::Collect);
  EXPECT_EQ(TimerPeriod(), 400u);
  EXPECT_EQ(document.Block().leftSamples[0], 0);
  EXPECT_TRUE(invalidation.entries.empty());
  AdvanceTo(800);
  EXPECT_EQ(sound.calls.back(), "collect");
  EXPECT_EQ(document.Block().leftSamples[0], -127);
  EXPECT_EQ(document.Block().sumSamples[3999], -254);
  EXPECT_EQ(State().capturePhase, CapturePhase::Arm);
  EXPECT_EQ(State().acquisitionRunning, 1);
  EXPECT_EQ(TimerPeriod(), 500u);
  // Moyen: the next recording starts 500 ms after the collect.
  AdvanceTo(1299);
  EXPECT_EQ(std::count(sound.calls.begin(), sound.calls.end(), "start"), 1);
  AdvanceTo(1300);
  EXPECT_EQ(std::count(sound.calls.begin(), sound.calls.end(), "start"), 2);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AcquisitionCycle, CollectHandsIndicesUpTo4010ToTheDocument) {
  State().samples.rightSamples[4010] = 42;
  State().samples.rightSamples[4011] = 43;
  RecordSilence();
  RunFirstCycle();
  EXPECT_EQ(document.Block().rightSamples[3999], 1);
  EXPECT_EQ(document.Block().rightSamples[4010], 42);
  EXPECT_EQ(document.Block().rightSamples[4011], 0);
}

TEST_F(AcquisitionCycle, CollectFindsTheTriggerOfTheNewBlock) {
  // Sum 0 before frame 500 and -100 after: left 77, right 77 gives sum -100.
  sound.recording.assign(kCaptureBufferBytes, 127);
  for (int k = 500; k < kCapturedFrames; ++k) sound.recording[2 * k] = sound.recording[2 * k + 1] = 77;
  RunFirstCycle();
  EXPECT_EQ(State().triggerFound, 1);
  EXPECT_EQ(State().triggerOffset, 200);
  sound.recording.assign(kCaptureBufferBytes, 128);
  AdvanceBy(900);
  EXPECT_EQ(State().triggerFound, 0);
  EXPECT_EQ(State().triggerOffset, 0);
}

TEST_F(AcquisitionCycle, OscilloscopeInvalidatesTheSyncIndicatorThenTheTraceArea) {
  RunFirstCycle();
  EXPECT_EQ(InvalidatedAreas(), (std::vector<Rect>{kSync, Rect{20, 20, 520, 420}}));
  EXPECT_EQ(State().syncIndicatorArea, kSync);
}

TEST_F(AcquisitionCycle, MetersUseTheFixedAreasUntilTheyAreDrawn) {
  State().displayFamily = DisplayFamily::VuMeters;
  RunFirstCycle();
  EXPECT_EQ(InvalidatedAreas(),
            (std::vector<Rect>{kSync, Rect{20, 100, 370, 300}, Rect{420, 100, 770, 300}}));
  invalidation.entries.clear();
  State().leftMeterArea = {1, 2, 3, 4};
  State().rightMeterArea = {5, 6, 7, 8};
  AdvanceBy(900);
  EXPECT_EQ(InvalidatedAreas(), (std::vector<Rect>{kSync, Rect{1, 2, 3, 4}, Rect{5, 6, 7, 8}}));
}

TEST_F(AcquisitionCycle, BargraphsInvalidateLeftBarThenRightBar) {
  State().displayFamily = DisplayFamily::Bargraphs;
  RunFirstCycle();
  EXPECT_EQ(InvalidatedAreas(),
            (std::vector<Rect>{kSync, Rect{180, 100, 210, 400}, Rect{580, 100, 610, 400}}));
  invalidation.entries.clear();
  State().leftBarArea = {10, 20, 30, 40};
  State().rightBarArea = {50, 60, 70, 80};
  AdvanceBy(900);
  EXPECT_EQ(InvalidatedAreas(),
            (std::vector<Rect>{kSync, Rect{10, 20, 30, 40}, Rect{50, 60, 70, 80}}));
}

TEST_F(AcquisitionCycle, SpectrographRepaintsTheWholeViewAtItsOwnRate) {
  State().displayFamily = DisplayFamily::Spectrograph;
  State().refreshPeriod = RefreshRate::Spectrograph;
  RunFirstCycle();
  EXPECT_EQ(InvalidatedAreas(), (std::vector<Rect>{kSync, kWholeView}));
  EXPECT_EQ(TimerPeriod(), 25u);
}

TEST_F(AcquisitionCycle, RefreshPeriodChangeCountsFromTheNextCollect) {
  ASSERT_TRUE(view->StartAcquisition());
  AdvanceTo(800);
  ASSERT_EQ(TimerPeriod(), 500u);
  State().refreshPeriod = RefreshRate::Fast;  // while the 500 ms pause runs
  EXPECT_EQ(TimerPeriod(), 500u);
  AdvanceTo(1300);  // arm
  EXPECT_EQ(TimerPeriod(), 400u);
  AdvanceTo(1700);  // collect
  EXPECT_EQ(TimerPeriod(), 100u);
  State().refreshPeriod = RefreshRate::Slow;
  AdvanceTo(1800 + 400);
  EXPECT_EQ(TimerPeriod(), 1000u);
}

TEST_F(AcquisitionCycle, OtherTimersAndTicksAfterAStopAreIgnored) {
  ASSERT_TRUE(view->StartAcquisition());
  view->OnTimer(TimerId::StatusClock);
  view->OnTimer(1);
  EXPECT_EQ(State().capturePhase, CapturePhase::Arm);
  EXPECT_EQ(timers.setCount, 1);
  ASSERT_TRUE(view->StopAcquisition());
  sound.calls.clear();
  view->OnTimer(TimerId::Acquisition);  // already queued when the stop came
  EXPECT_TRUE(sound.calls.empty());
  EXPECT_FALSE(TimerArmed());
  EXPECT_EQ(State().acquisitionRunning, 0);
}

TEST_F(AcquisitionCycle, ArmFailureIsFollowedByOneReminder400MsLater) {
  sound.startResult = 9;
  ASSERT_TRUE(view->StartAcquisition());
  AdvanceTo(400);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Sylvarine");
  EXPECT_EQ(TimerPeriod(), 400u);  // re-armed all the same
  EXPECT_EQ(State().acquisitionRunning, 1);
  sound.calls.clear();
  AdvanceTo(800);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, kReminder);
  EXPECT_TRUE(sound.calls.empty());  // nothing collected
  EXPECT_FALSE(TimerArmed());
  EXPECT_EQ(State().acquisitionRunning, 0);
  AdvanceBy(10000);
  EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(AcquisitionCycle, NoTickIsArmedWhileAFailedArmIsReported) {
  struct TimerWatchingMessages : ScriptedMessages {
    explicit TimerWatchingMessages(const FakeTimers& t) : timers(t) {}
    MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                              MessageButtons buttons, bool ownedByWindow) override {
      armedWhileShown.push_back(timers.IsArmed(TimerId::Acquisition));
      return ScriptedMessages::ShowMessage(text, caption, icon, buttons, ownedByWindow);
    }
    const FakeTimers& timers;
    std::vector<bool> armedWhileShown;
  } watching(timers);
  sound.prepareResult = sound.startResult = 4;
  ASSERT_TRUE(view->StartAcquisition());
  RunAcquisitionTick(State(), document, CaptureServices{timers, invalidation, watching, sound});
  EXPECT_EQ(watching.armedWhileShown, (std::vector<bool>{false, false}));
  EXPECT_EQ(TimerPeriod(), 400u);
}

TEST_F(AcquisitionWithoutDevice, EveryStartEndsInExactlyOneReminder) {
  messages.shown.clear();
  for (int round = 0; round < 2; ++round) {
    invalidation.entries.clear();
    ASSERT_TRUE(view->StartAcquisition());
    AdvanceBy(399);
    EXPECT_TRUE(messages.shown.empty());
    AdvanceBy(1);
    ASSERT_EQ(messages.shown.size(), 1u);
    const auto& m = messages.shown[0];
    EXPECT_EQ(m.text, kReminder);
    EXPECT_EQ(m.caption, "Dodiravadovu Duzav");
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_FALSE(TimerArmed());
    EXPECT_EQ(State().acquisitionRunning, 0);
    ASSERT_EQ(invalidation.entries.size(), 1u);
    EXPECT_TRUE(invalidation.entries[0].wholeView);
    AdvanceBy(5000);
    EXPECT_EQ(messages.shown.size(), 1u);
    messages.shown.clear();
  }
  EXPECT_EQ(sound.calls, (std::vector<std::string>{"open"}));
}

TEST_F(AcquisitionCycle, RightClickInTheTraceAreaStopsAndRedraws) {
  ASSERT_TRUE(view->StartAcquisition());
  view->OnRButtonDown({16, 423});
  EXPECT_FALSE(TimerArmed());
  EXPECT_EQ(State().acquisitionRunning, 0);
  EXPECT_EQ(InvalidatedAreas(), (std::vector<Rect>{kWholeView}));
  invalidation.entries.clear();
  view->OnRButtonDown({100, 100});  // stopped already: nothing to redraw
  EXPECT_TRUE(invalidation.entries.empty());
}

TEST_F(AcquisitionCycle, RightClickOnTheBoundsOrOutsideKeepsMeasuring) {
  ASSERT_TRUE(view->StartAcquisition());
  for (Point p : {Point{15, 100}, Point{524, 100}, Point{100, 15}, Point{100, 424},
                  Point{600, 300}}) {
    view->OnRButtonDown(p);
    EXPECT_TRUE(TimerArmed()) << p.x << "," << p.y;
  }
  EXPECT_TRUE(invalidation.entries.empty());
}

TEST_F(AcquisitionCycle, RightClickInOtherDisplaysKeepsMeasuring) {
  for (int32_t family :
       {DisplayFamily::VuMeters, DisplayFamily::Bargraphs, DisplayFamily::Spectrograph}) {
    State().displayFamily = family;
    view->StartAcquisition();
    view->OnRButtonDown({200, 200});
    EXPECT_TRUE(TimerArmed()) << family;
    EXPECT_EQ(State().acquisitionRunning, 1);
  }
}

}  // namespace
