// Acquisitions without a window, through the capture engine, in virtual time: arm,
// captureWait, collect; a stream that starts late is armed again; the device's silence and
// failures end the capture; a series keeps its interval.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <cerrno>

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

  int32_t Open(const WaveFormat& format) override {
    format_ = format;
    return openResult;
  }
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
  WaveFormat format_{};
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

TEST_F(LiveCaptureTest, SilenceIsTheDevicesReportOrNoWholeBlockWithinItsLimit) {
  device.deliveries = {0};
  device.collectResult = -ETIME;  // what the threaded device says after its silence limit
  LiveCapture silent = Make();
  EXPECT_EQ(silent.Record(), CaptureOutcome::Silent);
  EXPECT_EQ(silent.Recordings(), 1);
  EXPECT_EQ(messages.Shown(), 1);  // the engine's report, counted, not printed

  // A trickle that is never silent yet never whole.
  device.deliveries = {100};
  device.collectResult = 0;
  LiveCapture trickle = Make();
  const Clock::time_point begin = now;
  EXPECT_EQ(trickle.Record(), CaptureOutcome::Silent);
  EXPECT_GE(now - begin, RecordingWindow::kSilenceLimit);
  EXPECT_LT(now - begin, RecordingWindow::kSilenceLimit + 400ms);
}

TEST_F(LiveCaptureTest, DeviceFailuresEndTheCapture) {
  device.openResult = -ENODEV;
  LiveCapture unopened = Make();
  EXPECT_EQ(unopened.Record(), CaptureOutcome::NoDevice);
  EXPECT_EQ(device.starts, 0);
  device.openResult = 0;

  device.startResult = -EIO;
  LiveCapture starting = Make();
  EXPECT_EQ(starting.Record(), CaptureOutcome::DeviceFailed);
  EXPECT_TRUE(device.collectTimes.empty());

  device.startResult = 0;
  device.collectResult = -EIO;
  LiveCapture collecting = Make();
  EXPECT_EQ(collecting.Record(), CaptureOutcome::DeviceFailed);
}

TEST_F(LiveCaptureTest, ASeriesArmsItsBlocksTheIntervalApart) {
  device.deliveries = {kCaptureBufferBytes, 0, kCaptureBufferBytes};  // the second waits once
  LiveCapture capture = Make();
  std::vector<int> numbers;
  EXPECT_EQ(capture.RecordSeries(3, 450ms,
                                 [&](int number, std::chrono::milliseconds lateBy) {
                                   numbers.push_back(number);
                                   EXPECT_EQ(lateBy, 0ms);
                                   now += 20ms;  // saving the block
                                   return true;
                                 }),
            CaptureOutcome::Recorded);
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3}));
  ASSERT_EQ(device.startTimes.size(), 4u);
  const Clock::time_point first = device.startTimes[0];
  // The second block is armed on time, armed again for its late stream, and the third
  // follows the arm that recorded it.
  EXPECT_EQ(device.startTimes[1] - first, 450ms);
  EXPECT_EQ(device.startTimes[2] - first, 850ms);
  EXPECT_EQ(device.startTimes[3] - first, 1300ms);

  // A handler slower than the interval makes the next arm late, and says by how much.
  std::vector<std::chrono::milliseconds> late;
  device.deliveries = {kCaptureBufferBytes};
  capture.RecordSeries(2, 450ms, [&](int, std::chrono::milliseconds lateBy) {
    late.push_back(lateBy);
    now += 100ms;
    return true;
  });
  EXPECT_EQ(late, (std::vector<std::chrono::milliseconds>{0ms, 50ms}));
}

}  // namespace
