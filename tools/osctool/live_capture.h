#pragma once
// Acquisitions as the analyser makes them, without a window: the capture engine's own arm
// and collect, captureWait apart on a real clock, and a series of them at a steady interval.
// The device is the one the view opened when it was set up.
#include <chrono>
#include <functional>

#include "analyser/capture/capture_engine.h"
#include "analyser/state/view_state.h"

struct CaptureClock {
  using TimePoint = std::chrono::steady_clock::time_point;
  std::function<TimePoint()> now;
  std::function<void(TimePoint)> sleepUntil;
};
CaptureClock SteadyClock();

// What the engine's failure messages leave behind: osctool says in its own words what
// happened, so the boxes are only counted.
class CountedMessages : public IMessageBox {
 public:
  MessageAnswer ShowMessage(std::string_view, std::string_view, MessageIcon, MessageButtons,
                            bool) override {
    ++shown_;
    return MessageAnswer::Ok;
  }
  int Shown() const { return shown_; }

 private:
  int shown_ = 0;
};

enum class CaptureOutcome { Recorded, NoDevice, DeviceFailed, Silent };

class LiveCapture {
 public:
  // `state` gives the device's state, the capture buffer, header and captureWait; the
  // engine reports through `services`.
  LiveCapture(ViewState& state, const CaptureServices& services, CaptureClock clock);
  ~LiveCapture();
  LiveCapture(const LiveCapture&) = delete;
  LiveCapture& operator=(const LiveCapture&) = delete;

  // Records one complete block into the capture buffer, armed no earlier than `notBefore`.
  // A new stream may deliver nothing for a second or two: while a collect holds less than
  // the whole block, the cycle runs again, until the device reports its silence as a
  // failure or no block came whole within the device's silence limit.
  CaptureOutcome Record(CaptureClock::TimePoint notBefore = {});
  // `count` blocks, each armed `interval` after the arm that recorded the one before;
  // `onBlock(number, lateBy)` takes each (numbered from 1; lateBy says how much later than
  // planned its first arm came) and returns false to stop.
  using BlockHandler = std::function<bool(int, std::chrono::milliseconds)>;
  CaptureOutcome RecordSeries(int count, std::chrono::milliseconds interval,
                              const BlockHandler& onBlock);
  // Frames of the last recording the device reported as recorded after its arm.
  int FramesAfterStart() const;
  // Arms the last Record needed, and when the last of them was made.
  int Recordings() const { return recordings_; }
  CaptureClock::TimePoint LastArm() const { return lastArm_; }
  // The engine's close, also on destruction.
  void Close();

 private:
  bool Complete() const;
  CaptureOutcome Failure() const;

  ViewState& state_;
  CaptureServices services_;
  CaptureClock clock_;
  int recordings_ = 0;
  CaptureClock::TimePoint lastArm_{};
};
