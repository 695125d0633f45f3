// The threaded capture device over a scripted stream: it records on its own, hands over
// only sound from after the arm, stops its stream when no recording wants it, and never
// lets a stuck sound library hold up its caller.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/portable/threaded_sound_input.h"

namespace {

using namespace std::chrono_literals;
using TimePoint = std::chrono::steady_clock::time_point;
constexpr WaveFormat kCaptureFormat{1, 2, 44100, 88200, 2, 8, 0};

// The test's clock and stream, shared with the device's thread (which may outlive a test
// that abandons it).
struct Script {
  std::mutex mutex;
  std::condition_variable changed;
  std::atomic<int64_t> nowNs{int64_t{1000} * 1000000000};
  std::deque<std::vector<uint8_t>> pieces;  // what the next reads deliver
  int openResult = 0;
  int readError = 0;  // once set, every read fails with it
  bool hang = false;  // every stream call blocks until this is cleared
  int starts = 0, stops = 0, consumed = 0, hanging = 0;
  int reads = 0, readsAtLastPiece = 0;  // reads begun; the one that took the last piece
  bool streaming = false;

  TimePoint Now() const { return TimePoint{} + std::chrono::nanoseconds(nowNs.load()); }
  void Advance(std::chrono::milliseconds d) { nowNs += std::chrono::nanoseconds(d).count(); }
  void HangWhileAsked(std::unique_lock<std::mutex>& lock) {
    if (!hang) return;
    ++hanging;
    changed.notify_all();
    changed.wait(lock, [this] { return !hang; });
  }
  void Release() {
    {
      std::lock_guard lock(mutex);
      hang = false;
    }
    changed.notify_all();
  }
  void Push(std::vector<uint8_t> piece) {
    {
      std::lock_guard lock(mutex);
      pieces.push_back(std::move(piece));
    }
    changed.notify_all();
  }
  // Waits (real time, with a deadline) until `done` holds.
  template <class Pred>
  bool WaitUntil(Pred done, std::chrono::milliseconds limit = 3000ms) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, limit, [&] { return done(); });
  }
};

class ScriptedStream : public IPcmStream {
 public:
  explicit ScriptedStream(std::shared_ptr<Script> s) : s_(std::move(s)) {}
  int Open() override {
    std::unique_lock lock(s_->mutex);
    s_->HangWhileAsked(lock);
    return s_->openResult;
  }
  int Start() override {
    std::unique_lock lock(s_->mutex);
    s_->HangWhileAsked(lock);
    ++s_->starts;
    s_->streaming = true;
    s_->changed.notify_all();
    return 0;
  }
  void Stop() override {
    std::lock_guard lock(s_->mutex);
    ++s_->stops;
    s_->streaming = false;
    s_->changed.notify_all();
  }
  long Read(uint8_t* into, long maxFrames, int timeoutMs, long& lag, bool& broken) override {
    lag = 0;
    broken = false;
    std::unique_lock lock(s_->mutex);
    ++s_->reads;
    s_->changed.notify_all();
    s_->HangWhileAsked(lock);
    if (s_->readError != 0) return s_->readError;
    if (!s_->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return !s_->pieces.empty() || s_->hang; }))
      return 0;
    if (s_->pieces.empty()) return 0;
    const std::vector<uint8_t> piece = std::move(s_->pieces.front());
    s_->pieces.pop_front();
    const long frames = std::min<long>(maxFrames, static_cast<long>(piece.size() / 2));
    std::copy_n(piece.begin(), frames * 2, into);
    ++s_->consumed;
    s_->readsAtLastPiece = s_->reads;
    s_->changed.notify_all();
    return frames;
  }
  void Close() override {}

 private:
  std::shared_ptr<Script> s_;
};

class Device : public ::testing::Test {
 protected:
  Device() {
    header_.data = buffer_;
    header_.bufferLength = sizeof buffer_;
  }
  ~Device() override { script_->Release(); }

  std::unique_ptr<ThreadedSoundInput> MakeDevice() {
    auto script = script_;
    return std::make_unique<ThreadedSoundInput>(
        [script] { return std::make_unique<ScriptedStream>(script); },
        [script] { return script->Now(); });
  }
  int32_t Arm(ThreadedSoundInput& device) {
    int32_t rc = device.PrepareHeader(header_, kCaptureHeaderSize);
    if (rc == 0) rc = device.AddBuffer(header_, kCaptureHeaderSize);
    if (rc == 0) rc = device.Start();
    return rc;
  }
  // Delivers `frames` frames of `value` and waits until the device has kept them: it has
  // come back for the next read, or stopped the stream.
  void Deliver(int frames, uint8_t value) {
    int before = 0;
    {
      std::lock_guard lock(script_->mutex);
      before = script_->consumed;
    }
    script_->Push(std::vector<uint8_t>(static_cast<size_t>(frames) * 2, value));
    ASSERT_TRUE(script_->WaitUntil([&] {
      return script_->consumed > before &&
             (script_->reads > script_->readsAtLastPiece || !script_->streaming);
    }));
  }
  // Opens the device and answers its first stream, which then stops: the device is idle.
  void OpenAndLetTheServerWake(ThreadedSoundInput& device) {
    ASSERT_EQ(device.Open(kCaptureFormat), 0);
    Deliver(10, 0x11);
    ASSERT_TRUE(StreamRuns(false));
  }
  bool StreamRuns(bool runs) {
    return script_->WaitUntil([&] { return script_->streaming == runs; });
  }

  std::shared_ptr<Script> script_ = std::make_shared<Script>();
  uint8_t buffer_[8000] = {};
  CaptureHeader header_;
};

TEST_F(Device, OnlySoundFromAfterTheArmIsHandedOverAndIdleMeansNoStream) {
  auto device = MakeDevice();
  ASSERT_EQ(device->Open(kCaptureFormat), 0);
  // Just opened, the stream runs until the server has delivered once, then stops.
  ASSERT_TRUE(StreamRuns(true));
  Deliver(1000, 0x11);
  ASSERT_TRUE(StreamRuns(false));

  script_->Advance(1000ms);
  ASSERT_EQ(Arm(*device), 0);
  ASSERT_TRUE(StreamRuns(true));
  EXPECT_EQ(script_->starts, 2);
  script_->Advance(100ms);
  Deliver(2500, 0x22);
  script_->Advance(100ms);
  Deliver(2500, 0x33);
  script_->Advance(200ms);
  std::fill(std::begin(buffer_), std::end(buffer_), 0);
  ASSERT_EQ(device->Collect(header_, kCaptureHeaderSize), 0);
  EXPECT_EQ(header_.bytesRecorded, 8000u);
  EXPECT_NE(header_.flags & kCaptureHeaderDone, 0u);
  // The freshest 4000 frames: 1500 of the first piece, then the second.
  EXPECT_EQ(buffer_[0], 0x22);
  EXPECT_EQ(buffer_[2999], 0x22);
  EXPECT_EQ(buffer_[3000], 0x33);
  EXPECT_EQ(buffer_[7999], 0x33);

  // The block is complete: without a next arm, the stream stops shortly after.
  script_->Advance(ThreadedSoundInput::kKeepAlive + 1ms);
  ASSERT_TRUE(StreamRuns(false));
  EXPECT_EQ(device->Close(), 0);
  EXPECT_EQ(device->Close(), ThreadedSoundInput::kNotOpen);
}

TEST_F(Device, AFastCycleKeepsItsStreamAndARecordingNeverLeftEndsItsStream) {
  auto device = MakeDevice();
  OpenAndLetTheServerWake(*device);
  ASSERT_EQ(Arm(*device), 0);
  ASSERT_TRUE(StreamRuns(true));
  script_->Advance(400ms);
  Deliver(4000, 0x44);
  ASSERT_EQ(device->Collect(header_, kCaptureHeaderSize), 0);
  // The next arm 25 ms later finds the stream still running.
  script_->Advance(25ms);
  ASSERT_EQ(Arm(*device), 0);
  script_->Advance(400ms);
  Deliver(4000, 0x55);
  ASSERT_EQ(device->Collect(header_, kCaptureHeaderSize), 0);
  EXPECT_EQ(buffer_[0], 0x55);
  EXPECT_EQ(script_->starts, 2);

  // An arm whose collect never comes (the measurement was stopped) lets the stream stop.
  ASSERT_EQ(Arm(*device), 0);
  script_->Advance(ThreadedSoundInput::kArmedRun + 1ms);
  ASSERT_TRUE(StreamRuns(false));
}

TEST_F(Device, AFailingStreamIsReportedAtTheNextCall) {
  auto device = MakeDevice();
  OpenAndLetTheServerWake(*device);
  ASSERT_EQ(Arm(*device), 0);
  ASSERT_TRUE(StreamRuns(true));
  {
    std::lock_guard lock(script_->mutex);
    script_->readError = -EIO;
  }
  ASSERT_TRUE(script_->WaitUntil([&] { return script_->stops == 2; }));
  EXPECT_EQ(device->Collect(header_, kCaptureHeaderSize), -EIO);
  EXPECT_EQ(device->Start(), -EIO);
}

TEST_F(Device, OpenReportsTheStreamsFailureAndRefusesOtherFormats) {
  auto device = MakeDevice();
  EXPECT_EQ(device->Open(WaveFormat{1, 2, 48000, 96000, 2, 8, 0}), -EINVAL);
  script_->openResult = -ENOENT;
  EXPECT_EQ(device->Open(kCaptureFormat), -ENOENT);
  EXPECT_EQ(device->Start(), ThreadedSoundInput::kNotOpen);
  EXPECT_EQ(device->Close(), ThreadedSoundInput::kNotOpen);
}

// A sound library stuck for good: the caller is never held up, the silence limit turns
// it into a failed device, and closing leaves the thread behind within its deadline.
TEST_F(Device, AStuckSoundLibraryNeverHoldsUpTheCaller) {
  auto device = MakeDevice();
  OpenAndLetTheServerWake(*device);
  {
    std::lock_guard lock(script_->mutex);
    script_->hang = true;
  }
  ASSERT_EQ(Arm(*device), 0);
  ASSERT_TRUE(script_->WaitUntil([&] { return script_->hanging > 0; }));
  for (int cycle = 0; cycle < 5; ++cycle) {
    script_->Advance(400ms);
    ASSERT_EQ(device->Collect(header_, kCaptureHeaderSize), 0);
    EXPECT_EQ(header_.bytesRecorded, 0u);
    script_->Advance(500ms);
    ASSERT_EQ(Arm(*device), 0);
  }
  script_->Advance(600ms);
  EXPECT_EQ(device->Collect(header_, kCaptureHeaderSize), -ETIME);

  const int abandoned = ThreadedSoundInput::AbandonedThreads();
  const auto before = std::chrono::steady_clock::now();
  EXPECT_EQ(device->Close(), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - before, 1s);
  EXPECT_EQ(ThreadedSoundInput::AbandonedThreads(), abandoned + 1);
}

TEST_F(Device, AServerThatNeverAnswersIsNoDevice) {
  script_->hang = true;
  auto device = MakeDevice();
  const auto before = std::chrono::steady_clock::now();
  EXPECT_EQ(device->Open(kCaptureFormat), -ETIMEDOUT);
  EXPECT_LT(std::chrono::steady_clock::now() - before,
            ThreadedSoundInput::kOpenDeadline + ThreadedSoundInput::kCloseDeadline + 500ms);
  EXPECT_EQ(device->Start(), ThreadedSoundInput::kNotOpen);
}

}  // namespace
