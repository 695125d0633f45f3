#include "platform/linux/pulse_pcm_stream.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

namespace {

using std::chrono::steady_clock;

constexpr uint32_t kRate = 44100;
constexpr std::size_t kBytesPerFrame = 2;
constexpr pa_sample_spec kSpec{PA_SAMPLE_U8, kRate, 2};
constexpr uint32_t kFragmentBytes = PulsePcmStream::kFragmentFrames * kBytesPerFrame;
// The server keeps at most this much for a client that does not read: older sound is of no
// use to anyone.
constexpr uint32_t kMaxBufferedBytes = kFragmentBytes * 8;
// What arrived is taken in every second fragment. Fragments of twice the size would wake the
// thread as seldom and cost as much, but every block would be older by up to a fragment, and
// the first block after a pause would arrive later.
constexpr auto kTakeInPeriod =
    std::chrono::nanoseconds(2 * PulsePcmStream::kFragmentFrames * 1000000000 / kRate);
// Enough to take in a period's worth of the smallest pieces a server sends (two rounds a
// piece); a server that floods the connection is cut short.
constexpr int kMaxDispatchRounds = 1024;

int ErrorCode(int paError) {
  switch (paError) {
    case PA_ERR_CONNECTIONREFUSED:
    case PA_ERR_INVALIDSERVER:
      return -ECONNREFUSED;
    case PA_ERR_TIMEOUT:
      return -ETIMEDOUT;
    default:
      return -ENODEV;  // the server went away, or dropped the stream
  }
}

}  // namespace

PulsePcmStream::~PulsePcmStream() { Close(); }

void PulsePcmStream::Pump() {
  for (int round = 0; round < kMaxDispatchRounds; ++round)
    if (pa_mainloop_iterate(loop_, 0, nullptr) <= 0) return;
}

int PulsePcmStream::Failure() const {
  if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
    return ErrorCode(pa_context_errno(context_));
  if (stream_ != nullptr && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream_))) {
    const int rc = ErrorCode(pa_context_errno(context_));
    return rc == -ETIMEDOUT ? -ENODEV : rc;
  }
  return 0;
}

int PulsePcmStream::Open() {
  if (loop_ != nullptr) return -EBUSY;
  loop_ = pa_mainloop_new();
  // Without a name of its own, the client is named after the program.
  if (loop_ != nullptr) context_ = pa_context_new(pa_mainloop_get_api(loop_), nullptr);
  // A program that measures never starts a sound server.
  if (context_ == nullptr ||
      pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
    Close();
    return -ECONNREFUSED;
  }
  const auto deadline = steady_clock::now() + kConnectDeadline;
  for (;;) {
    const pa_context_state_t state = pa_context_get_state(context_);
    if (state == PA_CONTEXT_READY) return 0;
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(
        deadline - steady_clock::now());
    int rc = 0;
    if (!PA_CONTEXT_IS_GOOD(state)) rc = ErrorCode(pa_context_errno(context_));
    else if (left.count() <= 0) rc = -ETIMEDOUT;
    else if (pa_mainloop_prepare(loop_, static_cast<int>(left.count())) < 0 ||
             pa_mainloop_poll(loop_) < 0 || pa_mainloop_dispatch(loop_) < 0)
      rc = -ENODEV;
    if (rc != 0) {
      Close();
      return rc;
    }
  }
}

int PulsePcmStream::Connect() {
  stream_ = pa_stream_new(context_, "capture", &kSpec, nullptr);
  if (stream_ == nullptr) return ErrorCode(pa_context_errno(context_));
  pa_stream_set_overflow_callback(
      stream_, [](pa_stream*, void* self) { static_cast<PulsePcmStream*>(self)->broken_ = true; },
      this);
  // The server hands sound over a fragment at a time, and keeps its source's latency to it.
  const pa_buffer_attr attr{kMaxBufferedBytes, UINT32_MAX, UINT32_MAX, UINT32_MAX, kFragmentBytes};
  const auto flags = static_cast<pa_stream_flags_t>(
      PA_STREAM_ADJUST_LATENCY | PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_INTERPOLATE_TIMING);
  if (pa_stream_connect_record(stream_, nullptr, &attr, flags) < 0) {
    const int rc = ErrorCode(pa_context_errno(context_));
    Release();
    return rc;
  }
  return 0;
}

void PulsePcmStream::Release() {
  if (stream_ == nullptr) return;
  pa_stream_set_overflow_callback(stream_, nullptr, nullptr);
  if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream_))) pa_stream_disconnect(stream_);
  pa_stream_unref(stream_);
  stream_ = nullptr;
  piece_ = nullptr;
  paused_ = false;
}

bool PulsePcmStream::Cork(bool pause) {
  pa_operation* op = pa_stream_cork(stream_, pause ? 1 : 0, nullptr, nullptr);
  if (op == nullptr) return false;
  pa_operation_unref(op);
  paused_ = pause;
  return true;
}

void PulsePcmStream::Discard() {
  if (pa_stream_get_state(stream_) != PA_STREAM_READY) return;
  if (piece_ != nullptr) pa_stream_drop(stream_);
  piece_ = nullptr;
  for (;;) {
    const std::size_t readable = pa_stream_readable_size(stream_);
    if (readable == 0 || readable == static_cast<std::size_t>(-1)) return;
    const void* data = nullptr;
    std::size_t bytes = 0;
    if (pa_stream_peek(stream_, &data, &bytes) < 0 || bytes == 0) return;
    pa_stream_drop(stream_);
  }
}

int PulsePcmStream::Start() {
  if (context_ == nullptr) return -EBADFD;
  if (stream_ != nullptr && !paused_) Stop();
  if (const int rc = Failure(); rc != 0) return rc;
  broken_ = false;
  if (stream_ == nullptr) {
    if (const int rc = Connect(); rc != 0) return rc;
  } else {
    // What came in before the pause, and what the server still holds, is not this stream's.
    Pump();
    Discard();
    pa_operation* op = pa_stream_flush(stream_, nullptr, nullptr);
    if (op != nullptr) pa_operation_unref(op);
    if (!Cork(false)) {
      const int rc = Failure();
      return rc != 0 ? rc : -ENODEV;
    }
  }
  Pump();
  nextPump_ = steady_clock::now() + kTakeInPeriod;
  return Failure();
}

void PulsePcmStream::Stop() {
  if (stream_ == nullptr || paused_) return;
  // Paused rather than ended: nothing flows, but the server keeps the stream set up, so
  // that the next start delivers at once. A stream not set up yet is ended.
  if (pa_stream_get_state(stream_) != PA_STREAM_READY || !Cork(true)) Release();
  if (stream_ != nullptr) Discard();
  broken_ = false;
  // The server hears of it now.
  Pump();
}

long PulsePcmStream::Take(uint8_t* into, long maxFrames) {
  if (paused_ || pa_stream_get_state(stream_) != PA_STREAM_READY) return 0;  // not running yet
  long frames = 0;
  while (frames < maxFrames) {
    if (piece_ == nullptr) {
      // Peek alone tells all: nothing (no bytes), a hole (bytes, no data) or a piece; each
      // call into the library costs a system call, and a busy server sends many pieces.
      const void* data = nullptr;
      std::size_t bytes = 0;
      if (pa_stream_peek(stream_, &data, &bytes) < 0) return -ENODEV;
      if (bytes == 0) break;
      if (data == nullptr) {  // a hole: sound the server lost
        broken_ = true;
        pa_stream_drop(stream_);
        continue;
      }
      piece_ = static_cast<const uint8_t*>(data);
      pieceBytes_ = bytes - bytes % kBytesPerFrame;
      pieceCopied_ = 0;
    }
    const std::size_t run = std::min(pieceBytes_ - pieceCopied_,
                                     static_cast<std::size_t>(maxFrames - frames) * kBytesPerFrame);
    std::memcpy(into + static_cast<std::size_t>(frames) * kBytesPerFrame, piece_ + pieceCopied_, run);
    frames += static_cast<long>(run / kBytesPerFrame);
    pieceCopied_ += run;
    if (pieceCopied_ == pieceBytes_) {
      pa_stream_drop(stream_);
      piece_ = nullptr;
    }
  }
  return frames;
}

long PulsePcmStream::LagFrames() const {
  // The server's own account: how long ago the next frame to read was recorded; without
  // it yet, what waits here unread.
  pa_usec_t latency = 0;
  int negative = 0;
  long frames = 0;
  if (pa_stream_get_latency(stream_, &latency, &negative) == 0) {
    if (negative == 0) frames = static_cast<long>(latency * kRate / PA_USEC_PER_SEC);
  } else {
    const std::size_t readable = pa_stream_readable_size(stream_);
    if (readable != static_cast<std::size_t>(-1)) frames = static_cast<long>(readable / kBytesPerFrame);
  }
  // A piece being copied counts as unread until it is dropped.
  if (piece_ != nullptr) frames -= static_cast<long>(pieceCopied_ / kBytesPerFrame);
  return std::max(0L, frames);
}

long PulsePcmStream::Read(uint8_t* into, long maxFrames, int timeoutMs, long& lagFrames,
                          bool& broken) {
  lagFrames = 0;
  broken = false;
  if (stream_ == nullptr || paused_) return -EBADFD;
  const auto deadline = steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (const int rc = Failure(); rc != 0) return rc;
    const long frames = Take(into, maxFrames);
    broken = broken || broken_;
    broken_ = false;
    if (frames != 0) {
      if (frames > 0) lagFrames = LagFrames();
      return frames;
    }
    // What the server sends is taken in once a period, however small its pieces.
    if (steady_clock::now() < nextPump_) {
      std::this_thread::sleep_until(std::min(nextPump_, deadline));
      if (deadline < nextPump_) return 0;
    }
    Pump();
    nextPump_ = steady_clock::now() + kTakeInPeriod;
  }
}

void PulsePcmStream::Close() {
  if (context_ != nullptr) {
    Release();
    Pump();
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
  }
  if (loop_ != nullptr) pa_mainloop_free(loop_);
  loop_ = nullptr;
}
