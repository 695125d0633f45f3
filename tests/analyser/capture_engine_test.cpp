#include <gtest/gtest.h>

#include <algorithm>

#include "analyser/capture/capture_engine.h"
#include "tests/analyser/capture_fixture.h"

namespace {

using CaptureEngine = CaptureFixture;
using CaptureEngineWithoutDevice = NoDeviceFixture;

void FillBuffer(ViewState& s, uint8_t left, uint8_t right) {
  for (int k = 0; k < kCapturedFrames; ++k) {
    s.captureBuffer[2 * k] = left;
    s.captureBuffer[2 * k + 1] = right;
  }
}

TEST_F(CaptureEngine, RecordsDescribeEightBitStereoAt44100) {
  const ViewState& s = State();
  EXPECT_EQ(s.sampleRate, 44100);
  const WaveFormat& f = sound.openedFormat;
  EXPECT_EQ(f.formatTag, 1);
  EXPECT_EQ(f.channels, 2);
  EXPECT_EQ(f.samplesPerSecond, 44100u);
  EXPECT_EQ(f.averageBytesPerSecond, 88200u);
  EXPECT_EQ(f.blockAlign, 2);
  EXPECT_EQ(f.bitsPerSample, 8);
  EXPECT_EQ(f.extraSize, 0);
  EXPECT_EQ(s.captureHeader.data, s.captureBuffer);
  EXPECT_EQ(s.captureHeader.bufferLength, 8000u);
  EXPECT_EQ(s.captureHeader.flags, 0u);
  EXPECT_EQ(s.deviceOpen, 1);
  EXPECT_EQ(s.audioFault, 0);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CaptureEngine, SilenceBecomesPlusOneWithSumTwoAndNoDifference) {
  FillBuffer(State(), 128, 128);
  ConvertCaptureBuffer(State());
  const SampleBlock& b = State().samples;
  for (int k = 0; k < kCapturedFrames; ++k) {
    ASSERT_EQ(b.leftSamples[k], 1) << k;
    ASSERT_EQ(b.rightSamples[k], 1) << k;
    ASSERT_EQ(b.sumSamples[k], 2) << k;
    ASSERT_EQ(b.differenceSamples[k], 0) << k;
  }
}

TEST_F(CaptureEngine, ExtremeBytesAndLeftRightOrder) {
  ViewState& s = State();
  FillBuffer(s, 255, 0);  // left full scale up, right full scale down
  s.captureBuffer[0] = 0;
  s.captureBuffer[1] = 255;
  ConvertCaptureBuffer(s);
  const SampleBlock& b = s.samples;
  EXPECT_EQ(b.leftSamples[0], -127);
  EXPECT_EQ(b.rightSamples[0], 128);
  EXPECT_EQ(b.sumSamples[0], 1);
  EXPECT_EQ(b.differenceSamples[0], 255);
  EXPECT_EQ(b.leftSamples[3999], 128);
  EXPECT_EQ(b.rightSamples[3999], -127);
  EXPECT_EQ(b.sumSamples[3999], 1);
  EXPECT_EQ(b.differenceSamples[3999], -255);
}

TEST_F(CaptureEngine, EveryFrameComesFromItsOwnPairOfBytes) {
  ViewState& s = State();
  for (int i = 0; i < kCaptureBufferBytes; ++i) s.captureBuffer[i] = static_cast<uint8_t>(i * 7);
  ConvertCaptureBuffer(s);
  for (int k = 0; k < kCapturedFrames; ++k) {
    const int32_t left = static_cast<uint8_t>(2 * k * 7) - 127;
    const int32_t right = static_cast<uint8_t>((2 * k + 1) * 7) - 127;
    ASSERT_EQ(s.samples.leftSamples[k], left) << k;
    ASSERT_EQ(s.samples.rightSamples[k], right) << k;
    ASSERT_EQ(s.samples.sumSamples[k], left + right) << k;
    ASSERT_EQ(s.samples.differenceSamples[k], right - left) << k;
  }
}

TEST_F(CaptureEngine, IndicesPastTheCaptureKeepTheirValues) {
  ViewState& s = State();
  for (int k = 4000; k < kSampleSlots; ++k) {
    s.samples.leftSamples[k] = k;
    s.samples.rightSamples[k] = -k;
    s.samples.sumSamples[k] = 2 * k;
    s.samples.differenceSamples[k] = 3 * k;
  }
  FillBuffer(s, 0, 0);
  ConvertCaptureBuffer(s);
  EXPECT_EQ(s.samples.leftSamples[3999], -127);
  for (int k = 4000; k < kSampleSlots; ++k) {
    ASSERT_EQ(s.samples.leftSamples[k], k);
    ASSERT_EQ(s.samples.rightSamples[k], -k);
    ASSERT_EQ(s.samples.sumSamples[k], 2 * k);
    ASSERT_EQ(s.samples.differenceSamples[k], 3 * k);
  }
}

TEST_F(CaptureEngineWithoutDevice, OpenFailureIsShownOnceWithoutOwnerAndLatched) {
  ASSERT_EQ(messages.shown.size(), 1u);
  const auto& m = messages.shown[0];
  EXPECT_EQ(m.text,
            "Impossible d'ouvrir l'interface audio! Soit celle-ci n'est pas compatible, soit elle "
            "est d\xC3\xA9j\xC3\xA0 utilis\xC3\xA9" "e par une autre application. Fermez "
            "l'Dodiravadovu Duzav, fermez l'application utilisant l'interface et "
            "r\xC3\xA9" "essayez.  ");
  EXPECT_EQ(m.caption, "Ouverture de l'interface audio.");
  EXPECT_EQ(m.icon, MessageIcon::None);
  EXPECT_EQ(m.buttons, MessageButtons::Ok);
  EXPECT_FALSE(m.ownedByWindow);
  EXPECT_EQ(State().audioFault, 1);
  EXPECT_EQ(State().deviceOpen, 0);
  EXPECT_EQ(State().lastDeviceResult, 2);
}

TEST_F(CaptureEngineWithoutDevice, NoCloseIsAttemptedLater) {
  view->OnDestroy();
  EXPECT_EQ(sound.calls, (std::vector<std::string>{"open"}));
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(CaptureEngine, ArmMakesEveryCallAndReportsEachFailure) {
  sound.prepareResult = 5;
  sound.startResult = 7;
  sound.calls.clear();
  EXPECT_FALSE(ArmCapture(State(), Capture()));
  EXPECT_EQ(sound.calls, (std::vector<std::string>{"prepare", "add", "start"}));
  EXPECT_EQ(sound.lastHeader, &State().captureHeader);
  EXPECT_EQ(sound.lastHeaderSize, 32u);
  ASSERT_EQ(messages.shown.size(), 2u);
  for (const auto& m : messages.shown) {
    EXPECT_EQ(m.text,
              "Un probl\xC3\xA8me est survenu au cours de l'utilisation de l'interface son. "
              "Fermez l'Dodiravadovu Duzav est r\xC3\xA9" "essayez.");
    EXPECT_EQ(m.caption, "Sylvarine");
    EXPECT_EQ(m.icon, MessageIcon::None);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_TRUE(m.ownedByWindow);
  }
  EXPECT_EQ(State().audioFault, 1);
  EXPECT_EQ(State().lastDeviceResult, 7);
}

TEST_F(CaptureEngine, ArmFailureGoesToTheCallerWhoOwnsTheTimer) {
  ASSERT_TRUE(view->StartAcquisition());
  sound.addResult = 3;
  EXPECT_FALSE(ArmCapture(State(), Capture()));
  EXPECT_TRUE(TimerArmed());
  EXPECT_EQ(messages.shown.size(), 1u);
  sound.addResult = 0;
  EXPECT_TRUE(ArmCapture(State(), Capture()));
}

TEST_F(CaptureEngine, FailedCollectIsReportedAndTheBufferStillConverted) {
  sound.collectResult = -19;
  FillBuffer(State(), 200, 100);
  EXPECT_FALSE(CollectCapture(State(), Capture()));
  EXPECT_EQ(State().audioFault, 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Sylvarine");
  EXPECT_EQ(State().samples.leftSamples[0], 73);
  EXPECT_EQ(State().samples.rightSamples[0], -27);
}

TEST_F(CaptureEngine, CloseFailureIsReportedAndTheDeviceCountsAsClosed) {
  sound.closeResult = 33;
  EXPECT_FALSE(CloseCaptureDevice(State(), Capture()));
  EXPECT_EQ(State().deviceOpen, 0);
  EXPECT_EQ(State().audioFault, 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Sylvarine");
  EXPECT_TRUE(CloseCaptureDevice(State(), Capture()));  // closed already: no second call
  EXPECT_EQ(std::count(sound.calls.begin(), sound.calls.end(), "close"), 1);
}

TEST_F(CaptureEngine, DestroyStopsThenClosesOnce) {
  ASSERT_TRUE(view->StartAcquisition());
  view->OnDestroy();
  EXPECT_FALSE(TimerArmed());
  EXPECT_EQ(sound.calls, (std::vector<std::string>{"open", "close"}));
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
