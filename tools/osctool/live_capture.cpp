#include "tools/osctool/live_capture.h"

#include <cerrno>
#include <thread>

#include "platform/portable/recording_window.h"

namespace {

// What the threaded device reports once a measurement has waited RecordingWindow's silence
// limit for sound.
constexpr int32_t kSilentDeviceResult = -ETIME;

}  // namespace

CaptureClock SteadyClock() {
  return CaptureClock{[] { return std::chrono::steady_clock::now(); },
                      [](CaptureClock::TimePoint until) { std::this_thread::sleep_until(until); }};
}

LiveCapture::LiveCapture(ViewState& state, const CaptureServices& services, CaptureClock clock)
    : state_(state), services_(services), clock_(std::move(clock)) {}

LiveCapture::~LiveCapture() { Close(); }

bool LiveCapture::Complete() const {
  const CaptureHeader& header = state_.captureHeader;
  return (header.flags & kCaptureHeaderDone) != 0 || header.bytesRecorded >= header.bufferLength;
}

CaptureOutcome LiveCapture::Failure() const {
  if (state_.deviceOpen != 1) return CaptureOutcome::NoDevice;
  return state_.lastDeviceResult == kSilentDeviceResult ? CaptureOutcome::Silent
                                                        : CaptureOutcome::DeviceFailed;
}

CaptureOutcome LiveCapture::Record(CaptureClock::TimePoint notBefore) {
  recordings_ = 0;
  if (state_.deviceOpen != 1 || state_.audioFault != 0) return Failure();
  if (clock_.now() < notBefore) clock_.sleepUntil(notBefore);
  const CaptureClock::TimePoint begin = clock_.now();
  for (;;) {
    ++recordings_;
    lastArm_ = clock_.now();
    if (!ArmCapture(state_, services_)) return Failure();
    clock_.sleepUntil(lastArm_ + std::chrono::milliseconds(state_.captureWait));
    if (!CollectCapture(state_, services_)) return Failure();
    if (Complete()) return CaptureOutcome::Recorded;
    // A stream that trickles, never silent yet never whole, fails as a silent one does.
    if (clock_.now() - begin >= RecordingWindow::kSilenceLimit) return CaptureOutcome::Silent;
  }
}

CaptureOutcome LiveCapture::RecordSeries(int count, std::chrono::milliseconds interval,
                                         const BlockHandler& onBlock) {
  CaptureClock::TimePoint planned{};
  for (int number = 1; number <= count; ++number) {
    const CaptureClock::TimePoint ready = clock_.now();
    const CaptureOutcome outcome = Record(planned);
    if (outcome != CaptureOutcome::Recorded) return outcome;
    const auto lateBy = number == 1 || ready <= planned
                            ? std::chrono::milliseconds(0)
                            : std::chrono::duration_cast<std::chrono::milliseconds>(ready - planned);
    if (!onBlock(number, lateBy)) return outcome;
    planned = lastArm_ + interval;
  }
  return CaptureOutcome::Recorded;
}

int LiveCapture::FramesAfterStart() const {
  return static_cast<int>(state_.captureHeader.bytesRecorded / 2);
}

void LiveCapture::Close() { CloseCaptureDevice(state_, services_); }
