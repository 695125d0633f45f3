#pragma once
// One acquisition as the analyser makes it, without a window: the device opened with the
// analyser's format, then for each block: arm (prepare, queue, start), wait captureWait on
// a real clock, collect.
#include <chrono>
#include <functional>

#include "analyser/state/view_state.h"
#include "platform/sound_input.h"

struct CaptureClock {
  std::function<std::chrono::steady_clock::time_point()> now;
  std::function<void(std::chrono::steady_clock::time_point)> sleepUntil;
};
CaptureClock SteadyClock();

// A stream that delivers no complete block for this long has failed, as in the analyser.
constexpr std::chrono::seconds kCaptureSilenceLimit{5};

enum class CaptureOutcome { Recorded, DeviceFailed, Silent };

class LiveCapture {
 public:
  // `state` gives the capture buffer, header, format and captureWait.
  LiveCapture(ViewState& state, ISoundInput& sound, CaptureClock clock);
  ~LiveCapture();
  LiveCapture(const LiveCapture&) = delete;
  LiveCapture& operator=(const LiveCapture&) = delete;

  // Fills the capture records and opens the device; false when it cannot be opened.
  bool Open();
  // Records one complete block into the capture buffer. A new stream may deliver nothing
  // for a second or two: while a collect holds less than the whole block, the cycle is
  // run again, up to the silence limit.
  CaptureOutcome Record();
  // Frames of the last recording the device reported as recorded after its arm.
  int FramesAfterStart() const;
  // Arms the last Record needed.
  int Recordings() const { return recordings_; }
  void Close();

 private:
  bool Arm();
  bool Complete() const;

  ViewState& state_;
  ISoundInput& sound_;
  CaptureClock clock_;
  bool open_ = false;
  int recordings_ = 0;
};
