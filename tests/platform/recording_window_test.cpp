// The recording window in virtual time: what a recording hands over, and when a
// silent device counts as failed.
#include <gtest/gtest.h>

#include <vector>

#include "platform/portable/recording_window.h"

namespace {

using namespace std::chrono_literals;
using TimePoint = RecordingWindow::TimePoint;

constexpr int kRate = RecordingWindow::kFramesPerSecond;

// Frames numbered from `first`: both bytes of frame f hold f's low byte and a channel mark.
std::vector<uint8_t> Frames(int first, int count) {
  std::vector<uint8_t> bytes;
  for (int f = first; f < first + count; ++f) {
    bytes.push_back(static_cast<uint8_t>(f));
    bytes.push_back(static_cast<uint8_t>(f * 7 + 1));
  }
  return bytes;
}

std::chrono::nanoseconds FrameTime(int frames) {
  return std::chrono::nanoseconds(int64_t{frames} * 1000000000 / kRate);
}

class Window : public ::testing::Test {
 protected:
  // Appends `count` frames numbered on from the last ones, recorded up to `end`.
  void Deliver(int count, TimePoint end) {
    const auto bytes = Frames(next_, count);
    window_.Append(bytes.data(), count, end, end);
    next_ += count;
  }
  // Collects into an 8000-byte buffer holding 0xEE; returns the bytes handed over.
  uint32_t Collect(TimePoint now) {
    buffer_.assign(8000, 0xEE);
    return window_.Collect(buffer_.data(), 8000, now);
  }
  bool HoldsFrames(int first, int count) const {
    const auto expected = Frames(first, count);
    return std::equal(expected.begin(), expected.end(), buffer_.begin());
  }

  RecordingWindow window_;
  std::vector<uint8_t> buffer_;
  int next_ = 0;
  TimePoint t0_ = TimePoint{} + 100s;
};

TEST_F(Window, FramesFromBeforeTheArmAreNeverHandedOver) {
  Deliver(3000, t0_);
  window_.Arm(t0_ + 10ms);
  EXPECT_EQ(Collect(t0_ + 20ms), 0u);
  EXPECT_EQ(buffer_[0], 0xEE);

  // A piece that began before the arm: from it, only the frames recorded since.
  const TimePoint arm = t0_ + 10ms;
  Deliver(1000, arm + FrameTime(500));
  EXPECT_EQ(Collect(arm + 30ms), 501u * 2);
  EXPECT_TRUE(HoldsFrames(3000 + 499, 501));
  // Bytes not recorded yet keep what they held.
  EXPECT_EQ(buffer_[501 * 2], 0xEE);
  EXPECT_EQ(buffer_[7999], 0xEE);
}

TEST_F(Window, ARecordingHandsOverTheFreshestFourThousandFrames) {
  window_.Arm(t0_);
  Deliver(2048, t0_ + FrameTime(2048));
  Deliver(2048, t0_ + FrameTime(4096));
  Deliver(2048, t0_ + FrameTime(6144));
  EXPECT_EQ(Collect(t0_ + 400ms), 8000u);
  EXPECT_TRUE(HoldsFrames(6144 - 4000, 4000));

  // The next arm starts a new recording: the earlier sound is not part of it.
  window_.Arm(t0_ + 500ms);
  EXPECT_EQ(Collect(t0_ + 510ms), 0u);
}

TEST_F(Window, ARecordingDoesNotSpanAStreamThatStartedAgain) {
  window_.Arm(t0_);
  Deliver(3000, t0_ + FrameTime(3000));
  window_.Break();  // an overrun, or the stream started again after a gap
  Deliver(1000, t0_ + 1s);
  EXPECT_EQ(Collect(t0_ + 1s), 1000u * 2);
  EXPECT_TRUE(HoldsFrames(3000, 1000));
  Deliver(3500, t0_ + 1s + FrameTime(3500));
  EXPECT_EQ(Collect(t0_ + 2s), 8000u);
  EXPECT_TRUE(HoldsFrames(4500 - 4000 + 3000, 4000));
}

TEST_F(Window, AHugePieceKeepsOnlyItsLastFramesAndTheRingWrapsCleanly) {
  window_.Arm(t0_);
  const int huge = RecordingWindow::kCapacityFrames + 1234;
  Deliver(huge, t0_ + FrameTime(huge));
  EXPECT_EQ(Collect(t0_ + 1s), 8000u);
  EXPECT_TRUE(HoldsFrames(huge - 4000, 4000));
  // Pieces that straddle the end of the ring come out in order.
  for (int piece = 0; piece < 9; ++piece) Deliver(2047, t0_ + 1s + FrameTime(2047 * (piece + 1)));
  EXPECT_EQ(Collect(t0_ + 2s), 8000u);
  EXPECT_TRUE(HoldsFrames(next_ - 4000, 4000));
}

TEST_F(Window, ASilentDeviceFailsAfterFiveSecondsOfMeasuring) {
  const auto limit = RecordingWindow::kSilenceLimit;
  EXPECT_EQ(window_.Silence(t0_ + 1h), 0s);  // never measured: no wait
  // Cycles of 900 ms, each arm and collect: the wait counts across them.
  TimePoint t = t0_;
  while (t - t0_ < limit) {
    window_.Arm(t);
    EXPECT_LT(window_.Silence(t), limit);
    Collect(t + 400ms);
    t += 900ms;
  }
  EXPECT_GE(window_.Silence(t), limit);

  // Sound resets the wait.
  Deliver(100, t);
  EXPECT_EQ(window_.Silence(t), 0s);
  EXPECT_EQ(window_.Silence(t + 4s), 4s);

  // After a pause longer than any cycle, a new measurement waits from its own start.
  window_.Arm(t + 60s);
  EXPECT_EQ(window_.Silence(t + 61s), 1s);
}

}  // namespace
