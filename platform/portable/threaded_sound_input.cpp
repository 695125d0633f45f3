#include "platform/portable/threaded_sound_input.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <utility>

#include "platform/portable/recording_window.h"

namespace {

using TimePoint = std::chrono::steady_clock::time_point;
using std::chrono::steady_clock;

constexpr int kChunkFrames = 4096;
std::atomic<int> abandonedThreads{0};

bool FormatIsSupported(const WaveFormat& f) {
  return f.formatTag == kWaveFormatPcm && f.channels == 2 && f.bitsPerSample == 8 &&
         f.samplesPerSecond == RecordingWindow::kFramesPerSecond &&
         f.blockAlign == RecordingWindow::kBytesPerFrame;
}

steady_clock::duration FramesToDuration(long frames) {
  return std::chrono::nanoseconds(static_cast<int64_t>(frames) * 1000000000 /
                                  RecordingWindow::kFramesPerSecond);
}

}  // namespace

// Everything the caller and the device's thread share; the thread keeps it alive for as
// long as it runs, also after the caller has given up on it.
struct ThreadedSoundInput::Shared {
  explicit Shared(Clock c) : clock(std::move(c)) {}
  TimePoint Now() const { return clock ? clock() : steady_clock::now(); }

  Clock clock;
  std::mutex mutex;
  std::condition_variable changed;
  RecordingWindow window;
  bool opened = false;
  int openResult = 0;
  bool finished = false;
  bool closeRequested = false;
  bool wakingUp = false;
  int error = 0;           // the first failure of the stream, kept for the caller
  TimePoint runUntil{};    // the stream runs until then
  uint64_t requests = 0;   // counts the caller's requests, to wake the thread
};

namespace {

using Shared = ThreadedSoundInput::Shared;

// The device's own loop: runs the stream while a recording wants it and keeps what it reads.
void RunStream(Shared& sh, IPcmStream& stream) {
  uint8_t chunk[kChunkFrames * RecordingWindow::kBytesPerFrame];
  bool streaming = false;
  std::unique_lock lock(sh.mutex);
  while (!sh.closeRequested) {
    const bool wanted = sh.error == 0 && sh.Now() < sh.runUntil;
    if (!wanted) {
      if (streaming) {
        lock.unlock();
        stream.Stop();
        lock.lock();
        streaming = false;
        continue;
      }
      const uint64_t seen = sh.requests;
      sh.changed.wait(lock, [&] { return sh.closeRequested || sh.requests != seen; });
      continue;
    }
    if (!streaming) {
      lock.unlock();
      const int rc = stream.Start();
      lock.lock();
      if (rc < 0) {
        sh.error = rc;
        continue;
      }
      streaming = true;
      sh.window.Break();
      continue;
    }
    lock.unlock();
    long lag = 0;
    bool broken = false;
    const long n = stream.Read(chunk, kChunkFrames, ThreadedSoundInput::kReadTimeoutMs, lag, broken);
    const TimePoint now = sh.Now();
    lock.lock();
    if (n < 0) {
      sh.error = static_cast<int>(n);
      continue;
    }
    if (broken) sh.window.Break();
    if (n == 0) continue;
    sh.window.Append(chunk, static_cast<int>(n), now - FramesToDuration(lag), now);
    // The server is awake once it delivered; nobody waits for this sound.
    if (sh.wakingUp && !sh.window.Armed()) sh.runUntil = now;
    sh.wakingUp = false;
  }
  lock.unlock();
  if (streaming) stream.Stop();
}

void RunDevice(std::shared_ptr<Shared> shared, std::unique_ptr<IPcmStream> stream) {
  Shared& sh = *shared;
  const int rc = stream->Open();
  {
    std::lock_guard lock(sh.mutex);
    sh.opened = true;
    sh.openResult = rc;
    if (rc == 0) {
      // Some servers take a second to deliver the first sound of a first stream: that
      // second is spent now rather than in the first measurement.
      sh.wakingUp = true;
      sh.runUntil = sh.Now() + ThreadedSoundInput::kWakeUpRun;
    }
  }
  sh.changed.notify_all();
  if (rc == 0) {
    RunStream(sh, *stream);
    stream->Close();
  }
  {
    std::lock_guard lock(sh.mutex);
    sh.finished = true;
  }
  sh.changed.notify_all();
}

}  // namespace

ThreadedSoundInput::ThreadedSoundInput(StreamFactory factory, Clock clock)
    : factory_(std::move(factory)), clock_(std::move(clock)) {}

ThreadedSoundInput::~ThreadedSoundInput() {
  if (shared_) StopThread();
}

int ThreadedSoundInput::AbandonedThreads() { return abandonedThreads.load(); }

std::chrono::steady_clock::time_point ThreadedSoundInput::Now() const {
  return clock_ ? clock_() : steady_clock::now();
}

int32_t ThreadedSoundInput::Open(const WaveFormat& format) {
  if (shared_) return -EBUSY;
  if (!FormatIsSupported(format)) return -EINVAL;
  auto shared = std::make_shared<Shared>(clock_);
  thread_ = std::thread(RunDevice, shared, factory_());
  shared_ = shared;
  std::unique_lock lock(shared->mutex);
  // The wait is the caller's, on a real clock: a server that never answers is no device.
  if (!shared->changed.wait_for(lock, kOpenDeadline, [&] { return shared->opened; })) {
    lock.unlock();
    StopThread();
    return -ETIMEDOUT;
  }
  const int rc = shared->openResult;
  lock.unlock();
  if (rc != 0) StopThread();
  return rc;
}

void ThreadedSoundInput::StopThread() {
  bool finished = false;
  {
    std::unique_lock lock(shared_->mutex);
    shared_->closeRequested = true;
    shared_->changed.notify_all();
    finished = shared_->changed.wait_for(lock, kCloseDeadline, [&] { return shared_->finished; });
  }
  if (finished) {
    thread_.join();
  } else {
    // Stuck in its sound library: it keeps what it shares with us and is left behind.
    thread_.detach();
    ++abandonedThreads;
  }
  shared_.reset();
  queued_ = nullptr;
}

int32_t ThreadedSoundInput::PrepareHeader(CaptureHeader& header, uint32_t headerSize) {
  if (!shared_) return kNotOpen;
  if (headerSize != kCaptureHeaderSize || header.data == nullptr || header.bufferLength == 0)
    return -EINVAL;
  header.flags |= kCaptureHeaderPrepared;
  return 0;
}

int32_t ThreadedSoundInput::AddBuffer(CaptureHeader& header, uint32_t headerSize) {
  if (!shared_) return kNotOpen;
  if (headerSize != kCaptureHeaderSize || (header.flags & kCaptureHeaderPrepared) == 0)
    return -EINVAL;
  queued_ = &header;
  header.bytesRecorded = 0;
  header.flags = (header.flags & ~kCaptureHeaderDone) | kCaptureHeaderQueued;
  return 0;
}

int32_t ThreadedSoundInput::Start() {
  if (!shared_) return kNotOpen;
  const TimePoint now = Now();
  {
    std::lock_guard lock(shared_->mutex);
    if (shared_->error != 0) return shared_->error;
    shared_->window.Arm(now);
    // An arm never cuts short a run already promised (the wake-up run after opening).
    shared_->runUntil = std::max(shared_->runUntil, now + kArmedRun);
    ++shared_->requests;
  }
  shared_->changed.notify_all();
  return 0;
}

int32_t ThreadedSoundInput::Collect(CaptureHeader& header, uint32_t headerSize) {
  if (!shared_) return kNotOpen;
  if (headerSize != kCaptureHeaderSize || &header != queued_ || header.data == nullptr)
    return -EINVAL;
  const TimePoint now = Now();
  std::lock_guard lock(shared_->mutex);
  if (shared_->error != 0) return shared_->error;
  const uint32_t length = header.bufferLength - header.bufferLength % RecordingWindow::kBytesPerFrame;
  header.bytesRecorded = shared_->window.Collect(header.data, length, now);
  if (header.bytesRecorded >= length) {
    header.flags = (header.flags & ~kCaptureHeaderQueued) | kCaptureHeaderDone;
    // The recording is complete; the stream stops soon unless the next arm follows at once.
    shared_->runUntil = now + kKeepAlive;
  }
  if (shared_->window.Silence(now) >= RecordingWindow::kSilenceLimit) return -ETIME;
  return 0;
}

int32_t ThreadedSoundInput::Close() {
  if (!shared_) return kNotOpen;
  StopThread();
  return 0;
}
