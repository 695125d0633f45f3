#include "platform/windows/wave_in_stream.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <atomic>
#include <cstring>

namespace {

constexpr WORD kChannels = 2;
constexpr DWORD kFramesPerSecond = 44100;
constexpr WORD kBytesPerFrame = 2;

int Failed(MMRESULT rc) { return -static_cast<int>(rc); }

}  // namespace

struct WaveInStream::Buffers {
  WAVEHDR headers[kBuffers] = {};
  bool afterGap[kBuffers] = {};  // queued while the device had nothing to fill
  uint8_t data[kBuffers][kBufferBytes] = {};
};

namespace {

// The device sets the header's flags from its own thread.
bool IsDone(WAVEHDR& header) {
  return (std::atomic_ref<DWORD>(header.dwFlags).load(std::memory_order_acquire) & WHDR_DONE) != 0;
}

HWAVEIN Device(void* device) { return static_cast<HWAVEIN>(device); }

}  // namespace

WaveInStream::WaveInStream()
    : buffers_(std::make_unique<Buffers>()), filled_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

WaveInStream::~WaveInStream() {
  Close();
  if (filled_ != nullptr) CloseHandle(filled_);
}

int WaveInStream::Open() { return OpenDevice(); }

int WaveInStream::OpenDevice() {
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = kChannels;
  format.nSamplesPerSec = kFramesPerSecond;
  format.nAvgBytesPerSec = kFramesPerSecond * kBytesPerFrame;
  format.nBlockAlign = kBytesPerFrame;
  format.wBitsPerSample = 8;
  format.cbSize = 0;
  if (filled_ == nullptr) return Failed(MMSYSERR_NOMEM);
  HWAVEIN device = nullptr;
  const MMRESULT rc = waveInOpen(&device, WAVE_MAPPER, &format,
                                 reinterpret_cast<DWORD_PTR>(filled_), 0, CALLBACK_EVENT);
  if (rc != MMSYSERR_NOERROR) return Failed(rc);
  device_ = device;
  for (int i = 0; i < kBuffers; ++i) {
    WAVEHDR& header = buffers_->headers[i];
    header = WAVEHDR{};
    header.lpData = reinterpret_cast<LPSTR>(buffers_->data[i]);
    header.dwBufferLength = kBufferBytes;
    const MMRESULT prepared = waveInPrepareHeader(device, &header, sizeof(WAVEHDR));
    if (prepared != MMSYSERR_NOERROR) {
      CloseDevice();
      return Failed(prepared);
    }
  }
  return 0;
}

int WaveInStream::Start() {
  if (device_ == nullptr) {
    const int opened = OpenDevice();
    if (opened != 0) return opened;
  }
  // Back to position 0 with no buffer queued: nothing recorded before stays.
  MMRESULT rc = waveInReset(Device(device_));
  for (int i = 0; i < kBuffers && rc == MMSYSERR_NOERROR; ++i) {
    WAVEHDR& header = buffers_->headers[i];
    header.dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
    header.dwBytesRecorded = 0;
    buffers_->afterGap[i] = false;
    rc = waveInAddBuffer(Device(device_), &header, sizeof(WAVEHDR));
  }
  if (rc == MMSYSERR_NOERROR) rc = waveInStart(Device(device_));
  next_ = 0;
  readOffset_ = 0;
  framesBefore_ = 0;
  if (rc == MMSYSERR_NOERROR) return 0;
  CloseDevice();  // a failed stream costs nothing while the failure is shown
  return Failed(rc);
}

void WaveInStream::Stop() { CloseDevice(); }

long WaveInStream::Read(uint8_t* into, long maxFrames, int timeoutMs, long& lagFrames,
                        bool& broken) {
  lagFrames = 0;
  broken = false;
  if (device_ == nullptr) return Failed(MMSYSERR_INVALHANDLE);
  WAVEHDR& header = buffers_->headers[next_];
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(std::max(timeoutMs, 0));
  // The event is set at each buffer the device fills (and at its open and close), so a
  // wake-up finds the buffer done or waits again.
  while (!IsDone(header)) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return 0;
    WaitForSingleObject(filled_, static_cast<DWORD>(deadline - now));
  }
  if (readOffset_ == 0) broken = buffers_->afterGap[next_];
  const uint32_t recorded = header.dwBytesRecorded - header.dwBytesRecorded % kBytesPerFrame;
  const uint32_t unread = recorded - std::min(readOffset_, recorded);
  const long frames = std::min<long>(maxFrames, unread / kBytesPerFrame);
  std::memcpy(into, header.lpData + readOffset_, static_cast<std::size_t>(frames) * kBytesPerFrame);
  readOffset_ += static_cast<uint32_t>(frames) * kBytesPerFrame;
  const int64_t framesRead = framesBefore_ + readOffset_ / kBytesPerFrame;

  // How far the device has recorded beyond what was read: the age of these frames.
  MMTIME position{};
  position.wType = TIME_SAMPLES;
  if (waveInGetPosition(Device(device_), &position, sizeof position) == MMSYSERR_NOERROR &&
      position.wType == TIME_SAMPLES)
    lagFrames = static_cast<long>(std::max<int64_t>(0, int64_t{position.u.sample} - framesRead));

  if (readOffset_ >= recorded) {
    bool anotherQueued = false;
    for (int i = 0; i < kBuffers; ++i)
      if (i != next_ && !IsDone(buffers_->headers[i])) anotherQueued = true;
    buffers_->afterGap[next_] = !anotherQueued;
    framesBefore_ += recorded / kBytesPerFrame;
    header.dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
    header.dwBytesRecorded = 0;
    readOffset_ = 0;
    const MMRESULT rc = waveInAddBuffer(Device(device_), &header, sizeof(WAVEHDR));
    next_ = (next_ + 1) % kBuffers;
    if (rc != MMSYSERR_NOERROR) return Failed(rc);
  }
  return frames;
}

void WaveInStream::Close() { CloseDevice(); }

void WaveInStream::CloseDevice() {
  if (device_ == nullptr) return;
  waveInReset(Device(device_));
  for (WAVEHDR& header : buffers_->headers)
    if (header.dwFlags & WHDR_PREPARED)
      waveInUnprepareHeader(Device(device_), &header, sizeof(WAVEHDR));
  waveInClose(Device(device_));
  device_ = nullptr;
}
