#include "tools/osctool/live_capture.h"

#include <thread>

#include "analyser/capture/capture_engine.h"

CaptureClock SteadyClock() {
  return CaptureClock{[] { return std::chrono::steady_clock::now(); },
                      [](std::chrono::steady_clock::time_point until) {
                        std::this_thread::sleep_until(until);
                      }};
}

LiveCapture::LiveCapture(ViewState& state, ISoundInput& sound, CaptureClock clock)
    : state_(state), sound_(sound), clock_(std::move(clock)) {}

LiveCapture::~LiveCapture() { Close(); }

bool LiveCapture::Open() {
  FillCaptureRecords(state_);
  open_ = sound_.Open(state_.captureFormat) == 0;
  return open_;
}

bool LiveCapture::Arm() {
  CaptureHeader& header = state_.captureHeader;
  return sound_.PrepareHeader(header, kCaptureHeaderSize) == 0 &&
         sound_.AddBuffer(header, kCaptureHeaderSize) == 0 && sound_.Start() == 0;
}

bool LiveCapture::Complete() const {
  const CaptureHeader& header = state_.captureHeader;
  return (header.flags & kCaptureHeaderDone) != 0 || header.bytesRecorded >= header.bufferLength;
}

CaptureOutcome LiveCapture::Record() {
  const auto begin = clock_.now();
  recordings_ = 0;
  for (;;) {
    ++recordings_;
    if (!Arm()) return CaptureOutcome::DeviceFailed;
    clock_.sleepUntil(clock_.now() + std::chrono::milliseconds(state_.captureWait));
    if (sound_.Collect(state_.captureHeader, kCaptureHeaderSize) != 0)
      return CaptureOutcome::DeviceFailed;
    if (Complete()) return CaptureOutcome::Recorded;
    if (clock_.now() - begin >= kCaptureSilenceLimit) return CaptureOutcome::Silent;
  }
}

int LiveCapture::FramesAfterStart() const {
  return static_cast<int>(state_.captureHeader.bytesRecorded / 2);
}

void LiveCapture::Close() {
  if (open_) sound_.Close();
  open_ = false;
}
