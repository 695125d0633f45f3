// Acquisitions without a window, through the capture engine, in virtual time: arm,
// captureWait, collect; a stream that starts late is armed again; the device's silence and
// failures end the capture; a series keeps its interval.
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <vector>

#include "platform/portable/recording_window.h"
#include "tools/osctool/inert_view_services.h"
#include "tools/osctool/live_capture.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Each recording delivers the next number of bytes of `deliveries` (the last one repeats).
class ScriptedDevice : public ISoundInput {
 public:
  std::vector<uint32_t> deliveries{kCaptureBufferBytes};
  int32_t openResult = 0, startResult = 0, collectResult = 0;
  int starts = 0, closes = 0;
  std::vector<Clock::time_point> startTimes, collectTimes;
  std::function<Clock::time_point()> now;

  int32_t Open(const WaveFormat&) override { return openResult; }
  int32_t PrepareHeader(CaptureHeader&, uint32_t size) override { return size == kCaptureHeaderSize ? 0 : -1; }
  int32_t AddBuffer(CaptureHeader& header, uint32_t) override {
    header.bytesRecorded = 0;
    header.flags &= ~kCaptureHeaderDone;
    return 0;
  }
  int32_t Start() override {
    startTimes.push_back(now());
    ++starts;
    return startResult;
  }
  int32_t Collect(CaptureHeader& header, uint32_t) override {
    collectTimes.push_back(now());
    const uint32_t bytes = deliveries[std::min<std::size_t>(starts - 1, deliveries.size() - 1)];
    for (uint32_t i = 0; i < bytes; ++i) header.data[i] = static_cast<uint8_t>(starts);
    header.bytesRecorded = bytes;
    if (bytes == header.bufferLength) header.flags |= kCaptureHeaderDone;
    return collectResult;
  }
  int32_t Close() override {
    ++closes;
    return 0;
  }
};

class LiveCaptureTest : public ::testing::Test {
 protected:
  void SetUp() override { device.now = [this] { return now; }; }
  // Each capture gets a fresh state whose device the engine opened, as the view opens it.
  LiveCapture Make() {
    states.push_back(std::make_unique<ViewState>());
    state = states.back().get();
    state->captureWait = 400;
    FillCaptureRecords(*state);
    OpenCaptureDevice(*state, device, messages);
    return LiveCapture(*state, CaptureServices{timers, invalidation, messages, device},
                       CaptureClock{[this] { return now; },
                                    [this](Clock::time_point until) {
                                      if (until > now) now = until;
                                    }});
  }
  std::vector<std::unique_ptr<ViewState>> states;
  ViewState* state = nullptr;
  ScriptedDevice device;
  InertTimers timers;
  InertInvalidation invalidation;
  CountedMessages messages;
  Clock::time_point now{};
};

TEST_F(LiveCaptureTest, CollectsCaptureWaitAfterTheArm) {
  LiveCapture capture = Make();
  EXPECT_EQ(capture.Record(), CaptureOutcome::Recorded);
  ASSERT_EQ(device.collectTimes.size(), 1u);
  EXPECT_EQ(device.collectTimes[0] - device.startTimes[0], 400ms);
  EXPECT_EQ(capture.FramesAfterStart(), 4000);
  EXPECT_EQ(capture.Recordings(), 1);
  EXPECT_EQ(state->captureBuffer[7999], 1);
  capture.Close();
  capture.Close();
  EXPECT_EQ(device.closes, 1);
}

TEST_F(LiveCaptureTest, AStreamThatStartsLateIsArmedAgainUntilABlockIsWhole) {
  device.deliveries = {0, 3000, kCaptureBufferBytes};
  LiveCapture capture = Make();
  EXPECT_EQ(capture.Record(), CaptureOutcome::Recorded);
  EXPECT_EQ(capture.Recordings(), 3);
  // The block written is the third recording's, whole.
  EXPECT_EQ(state->captureBuffer[0], 3);
  EXPECT_EQ(state->captureBuffer[7999], 3);
  EXPECT_EQ(capture.FramesAfterStart(), 4000);
}

TEST_F(LiveCaptureTest, FailuresAndSilenceEndTheCaptureByKind) {
  struct Case {
    int32_t open, start, collect;
    uint32_t delivered;
    CaptureOutcome outcome;
    std::size_t collects;  // made by then, in all
  };
  using enum CaptureOutcome;
  for (const Case& c : {Case{-ENODEV, 0, 0, kCaptureBufferBytes, NoDevice, 0},
                        Case{0, -EIO, 0, kCaptureBufferBytes, DeviceFailed, 0},
                        Case{0, 0, -EIO, kCaptureBufferBytes, DeviceFailed, 1},
                        Case{0, 0, -ETIME, 0, Silent, 2},  // the threaded device's word for silence
                        Case{0, 0, 0, 100, Silent, 15}}) {  // a trickle: never silent, never whole
    device.openResult = c.open, device.startResult = c.start, device.collectResult = c.collect;
    device.deliveries = {c.delivered};
    const Clock::time_point begin = now;
    EXPECT_EQ(Make().Record(), c.outcome) << c.collects;
    EXPECT_EQ(device.collectTimes.size(), c.collects);
    EXPECT_LT(now - begin, RecordingWindow::kSilenceLimit + 400ms);
  }
  EXPECT_EQ(messages.Shown(), 4);  // the engine's reports, counted, not printed
}

TEST_F(LiveCaptureTest, ASeriesArmsEachBlockTheIntervalAfterTheArmThatRecordedTheOneBefore) {
  device.deliveries = {kCaptureBufferBytes, 0, kCaptureBufferBytes};  // the second waits once
  LiveCapture capture = Make();
  std::vector<std::chrono::milliseconds> late;
  std::chrono::milliseconds saving = 20ms;
  const auto save = [&](int, std::chrono::milliseconds lateBy) { return late.push_back(lateBy), now += saving, true; };
  EXPECT_EQ(capture.RecordSeries(3, 450ms, save), CaptureOutcome::Recorded);
  const std::vector<Clock::time_point>& arms = device.startTimes;
  ASSERT_EQ(arms.size(), 4u);  // the second block armed again, at 850 ms, for its late stream
  EXPECT_EQ((std::vector{arms[1] - arms[0], arms[2] - arms[0], arms[3] - arms[0]}),
            (std::vector<Clock::duration>{450ms, 850ms, 1300ms}));
  device.deliveries = {kCaptureBufferBytes};
  saving = 100ms;  // slower than the interval allows: the next arm is late, and says so
  capture.RecordSeries(2, 450ms, save);
  EXPECT_EQ(late, (std::vector<std::chrono::milliseconds>{0ms, 0ms, 0ms, 0ms, 50ms}));
}

}  // namespace
