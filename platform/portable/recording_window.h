#pragma once
// What a capture device keeps of the sound it recorded: the last frames, each with the
// time it was recorded, so that a recording hands over only sound from after its arm.
//
// Not thread-safe: the device that feeds it from its own thread guards it.
#include <chrono>
#include <cstddef>
#include <cstdint>

class RecordingWindow {
 public:
  using Clock = std::chrono::steady_clock;
  using TimePoint = Clock::time_point;

  static constexpr int kFramesPerSecond = 44100;
  static constexpr int kBytesPerFrame = 2;
  // Well over one recording (4000 frames) plus the largest piece a stream delivers at once.
  static constexpr int kCapacityFrames = 16384;
  // A stream that stays silent this long while measuring counts as a failed device.
  static constexpr std::chrono::seconds kSilenceLimit{5};
  // A pause longer than any measuring cycle: the next arm begins a new measurement.
  static constexpr std::chrono::seconds kIdleGap{3};

  // A recording starts now: only frames recorded from `now` on belong to it.
  void Arm(TimePoint now);
  // The stream was started again or lost sound (an overrun): what follows does not
  // continue what came before.
  void Break();
  // `frames` frames just read, the last of them recorded at `recordedEnd`; `now` is
  // when they arrived.
  void Append(const uint8_t* bytes, int frames, TimePoint recordedEnd, TimePoint now);

  // Copies the freshest frames of the recording into `into` (at most `capacityBytes`,
  // whole frames, oldest first, from byte 0): only frames recorded since the arm and
  // after the last break. Returns the number of bytes copied; the rest of `into` is
  // left as it was. `now` counts as activity of the measurement.
  uint32_t Collect(uint8_t* into, uint32_t capacityBytes, TimePoint now);

  // How long a measurement has waited for sound, at `now`.
  Clock::duration Silence(TimePoint now) const;
  bool Armed() const { return armed_; }

 private:
  int64_t FirstFrameOfRecording() const;

  uint8_t ring_[kCapacityFrames * kBytesPerFrame] = {};
  int64_t total_ = 0;          // frames ever appended; frame f sits at f % capacity
  int64_t armFrame_ = -1;      // first frame recorded at or after the arm, once known
  int64_t breakFrame_ = 0;     // first frame after the last break
  TimePoint armTime_{};
  bool armed_ = false;
  TimePoint lastDelivery_{};
  TimePoint silenceStart_{};
  TimePoint lastActivity_{};
  bool active_ = false;
};
