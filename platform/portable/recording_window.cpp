#include "platform/portable/recording_window.h"

#include <algorithm>
#include <cstring>

namespace {

// Frame periods in `span`, to the nearest; a span longer than an hour is an hour.
int64_t FramesIn(std::chrono::steady_clock::duration span) {
  using namespace std::chrono;
  const int64_t ns = std::min<int64_t>(duration_cast<nanoseconds>(span).count(),
                                       int64_t{3600} * 1000000000);
  return (ns * RecordingWindow::kFramesPerSecond + 500000000) / 1000000000;
}

}  // namespace

void RecordingWindow::Arm(TimePoint now) {
  armTime_ = now;
  armed_ = true;
  armFrame_ = -1;
  // After a long pause this is a new measurement: its wait for sound starts now.
  if (!active_ || now - lastActivity_ > kIdleGap) silenceStart_ = now;
  active_ = true;
  lastActivity_ = now;
}

void RecordingWindow::Break() { breakFrame_ = total_; }

void RecordingWindow::Append(const uint8_t* bytes, int frames, TimePoint recordedEnd,
                             TimePoint now) {
  if (frames <= 0) return;
  if (armed_ && armFrame_ < 0 && recordedEnd >= armTime_) {
    // Frame i of this piece was recorded (frames - 1 - i) frame periods before its end.
    const int64_t sinceArm = FramesIn(recordedEnd - armTime_);
    armFrame_ = total_ + std::max<int64_t>(0, frames - 1 - sinceArm);
  }
  // Only the last capacity's worth of a very large piece can be kept.
  const int skip = std::max(0, frames - kCapacityFrames);
  total_ += skip;
  bytes += static_cast<std::size_t>(skip) * kBytesPerFrame;
  for (int left = frames - skip; left > 0;) {
    const int at = static_cast<int>(total_ % kCapacityFrames);
    const int run = std::min(left, kCapacityFrames - at);
    std::memcpy(ring_ + at * kBytesPerFrame, bytes, static_cast<std::size_t>(run) * kBytesPerFrame);
    bytes += static_cast<std::size_t>(run) * kBytesPerFrame;
    total_ += run;
    left -= run;
  }
  lastDelivery_ = now;
}

int64_t RecordingWindow::FirstFrameOfRecording() const {
  if (!armed_ || armFrame_ < 0) return total_;
  return std::max({armFrame_, breakFrame_, total_ - kCapacityFrames});
}

uint32_t RecordingWindow::Collect(uint8_t* into, uint32_t capacityBytes, TimePoint now) {
  lastActivity_ = now;
  const int64_t available = total_ - FirstFrameOfRecording();
  const int64_t frames = std::min<int64_t>(available, capacityBytes / kBytesPerFrame);
  // The freshest frames: the sound of this moment, all of it recorded after the arm.
  for (int64_t f = total_ - frames; f < total_;) {
    const int at = static_cast<int>(f % kCapacityFrames);
    const int64_t run = std::min<int64_t>(total_ - f, kCapacityFrames - at);
    std::memcpy(into, ring_ + at * kBytesPerFrame, static_cast<std::size_t>(run) * kBytesPerFrame);
    into += run * kBytesPerFrame;
    f += run;
  }
  return static_cast<uint32_t>(frames * kBytesPerFrame);
}

RecordingWindow::Clock::duration RecordingWindow::Silence(TimePoint now) const {
  if (!active_) return Clock::duration::zero();
  return now - std::max(lastDelivery_, silenceStart_);
}
