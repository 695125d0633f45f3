// One acquisition without a window, in virtual time: arm, captureWait, collect; a stream
// that starts late is waited for up to the silence limit, and failures end the capture.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "analyser/capture/capture_engine.h"
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
  void SetUp() override {
    state->captureWait = 400;
    device.now = [this] { return now; };
  }
  LiveCapture Make() {
    return LiveCapture(*state, device, CaptureClock{[this] { return now; },
                                                   [this](Clock::time_point until) {
                                                     if (until > now) now = until;
                                                   }});
  }
  std::unique_ptr<ViewState> state = std::make_unique<ViewState>();
  ScriptedDevice device;
  Clock::time_point now{};
};

TEST_F(LiveCaptureTest, OpensWithTheAnalysersFormatAndCollectsCaptureWaitAfterTheArm) {
  LiveCapture capture = Make();
  ASSERT_TRUE(capture.Open());
  EXPECT_EQ(device.format_.samplesPerSecond, 44100u);
  EXPECT_EQ(device.format_.channels, 2);
  EXPECT_EQ(device.format_.bitsPerSample, 8);
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
  ASSERT_TRUE(capture.Open());
  EXPECT_EQ(capture.Record(), CaptureOutcome::Recorded);
  EXPECT_EQ(capture.Recordings(), 3);
  // The block written is the third recording's, whole.
  EXPECT_EQ(state->captureBuffer[0], 3);
  EXPECT_EQ(state->captureBuffer[7999], 3);
  EXPECT_EQ(capture.FramesAfterStart(), 4000);
}

TEST_F(LiveCaptureTest, ASilentDeviceFailsAtTheSilenceLimit) {
  device.deliveries = {0};
  LiveCapture capture = Make();
  ASSERT_TRUE(capture.Open());
  const Clock::time_point begin = now;
  EXPECT_EQ(capture.Record(), CaptureOutcome::Silent);
  EXPECT_GE(now - begin, kCaptureSilenceLimit);
  EXPECT_LT(now - begin, kCaptureSilenceLimit + 400ms);
  EXPECT_EQ(capture.Recordings(), 13);  // ceil(5000 / 400)
}

TEST_F(LiveCaptureTest, DeviceFailuresEndTheCapture) {
  device.openResult = -19;
  EXPECT_FALSE(Make().Open());
  device.openResult = 0;

  device.startResult = -5;
  LiveCapture starting = Make();
  ASSERT_TRUE(starting.Open());
  EXPECT_EQ(starting.Record(), CaptureOutcome::DeviceFailed);
  EXPECT_TRUE(device.collectTimes.empty());

  device.startResult = 0;
  device.collectResult = -62;
  LiveCapture collecting = Make();
  ASSERT_TRUE(collecting.Open());
  EXPECT_EQ(collecting.Record(), CaptureOutcome::DeviceFailed);
}

}  // namespace
