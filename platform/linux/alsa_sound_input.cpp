#include "platform/linux/alsa_sound_input.h"

#include <alsa/asoundlib.h>

#include <cerrno>
#include <cstdarg>
#include <utility>

namespace {

constexpr unsigned kRate = 44100;
constexpr unsigned kChannels = 2;
constexpr unsigned kBytesPerFrame = 2;
// Room for the longest pause of the cycle (400 ms wait + 1000 ms refresh).
constexpr unsigned kRingMicroseconds = 2000000;
constexpr unsigned kPeriodMicroseconds = 50000;
// A pause longer than any cycle: the next Start begins a new measurement.
constexpr std::chrono::seconds kIdleGap{3};
// Bounds the read loops: a misbehaving plugin must not keep us here.
constexpr int kMaxReadRounds = 64;

// ALSA prints its own errors on stderr; the caller reports failures instead.
void SilentAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

void SilenceAlsaOnce() {
  static const bool silenced = [] {
    snd_lib_error_set_handler(&SilentAlsaErrors);
    return true;
  }();
  (void)silenced;
}

bool FormatIsSupported(const WaveFormat& f) {
  return f.formatTag == kWaveFormatPcm && f.channels == kChannels && f.bitsPerSample == 8 &&
         f.samplesPerSecond == kRate && f.blockAlign == kBytesPerFrame;
}

int32_t Configure(snd_pcm_t* pcm) {
  snd_pcm_hw_params_t* hw = nullptr;
  snd_pcm_hw_params_alloca(&hw);
  int rc = snd_pcm_hw_params_any(pcm, hw);
  if (rc >= 0) rc = snd_pcm_hw_params_set_access(pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED);
  if (rc >= 0) rc = snd_pcm_hw_params_set_format(pcm, hw, SND_PCM_FORMAT_U8);
  if (rc >= 0) rc = snd_pcm_hw_params_set_channels(pcm, hw, kChannels);
  if (rc >= 0) rc = snd_pcm_hw_params_set_rate_resample(pcm, hw, 1);
  if (rc >= 0) rc = snd_pcm_hw_params_set_rate(pcm, hw, kRate, 0);
  if (rc < 0) return rc;
  // Best effort: a device that cannot hold this much still works, overruns are recovered.
  unsigned ring = kRingMicroseconds;
  unsigned period = kPeriodMicroseconds;
  snd_pcm_hw_params_set_buffer_time_near(pcm, hw, &ring, nullptr);
  snd_pcm_hw_params_set_period_time_near(pcm, hw, &period, nullptr);
  return snd_pcm_hw_params(pcm, hw);
}

bool IsRecoverable(long rc) { return rc == -EPIPE || rc == -ESTRPIPE || rc == -EINTR; }

// snd_pcm_recover without its wait for a suspended device to come back: this runs on the
// user-interface thread, which must never sleep. A stream left prepared is started again.
int RecoverWithoutWaiting(snd_pcm_t* pcm, long error) {
  if (error == -EINTR) return 0;
  int rc = -1;
  if (error == -ESTRPIPE) rc = snd_pcm_resume(pcm);
  if (rc < 0) rc = snd_pcm_prepare(pcm);
  if (rc >= 0 && snd_pcm_state(pcm) == SND_PCM_STATE_PREPARED) rc = snd_pcm_start(pcm);
  return rc;
}

}  // namespace

AlsaSoundInput::AlsaSoundInput(std::string deviceName, Clock clock)
    : deviceName_(std::move(deviceName)), clock_(std::move(clock)) {}

AlsaSoundInput::~AlsaSoundInput() {
  if (pcm_ != nullptr) snd_pcm_close(pcm_);
}

std::chrono::steady_clock::time_point AlsaSoundInput::Now() const {
  return clock_ ? clock_() : std::chrono::steady_clock::now();
}

int32_t AlsaSoundInput::Open(const WaveFormat& format) {
  SilenceAlsaOnce();
  if (pcm_ != nullptr) return -EBUSY;
  if (!FormatIsSupported(format)) return -EINVAL;
  snd_pcm_t* pcm = nullptr;
  int rc = snd_pcm_open(&pcm, deviceName_.c_str(), SND_PCM_STREAM_CAPTURE, SND_PCM_NONBLOCK);
  if (rc < 0) return rc;
  rc = Configure(pcm);
  if (rc < 0) {
    snd_pcm_close(pcm);
    return rc;
  }
  pcm_ = pcm;
  called_ = false;
  return 0;
}

int32_t AlsaSoundInput::PrepareHeader(CaptureHeader& header, uint32_t headerSize) {
  if (pcm_ == nullptr) return -EBADFD;
  if (headerSize != kCaptureHeaderSize || header.data == nullptr || header.bufferLength == 0)
    return -EINVAL;
  header.flags |= kCaptureHeaderPrepared;
  return 0;
}

int32_t AlsaSoundInput::AddBuffer(CaptureHeader& header, uint32_t headerSize) {
  if (pcm_ == nullptr) return -EBADFD;
  if (headerSize != kCaptureHeaderSize || (header.flags & kCaptureHeaderPrepared) == 0)
    return -EINVAL;
  queued_ = &header;
  filled_ = 0;
  header.bytesRecorded = 0;
  header.flags = (header.flags & ~kCaptureHeaderDone) | kCaptureHeaderQueued;
  return 0;
}

int32_t AlsaSoundInput::Start() {
  if (pcm_ == nullptr) return -EBADFD;
  const auto now = Now();
  // After a pause longer than any cycle this is a new measurement: its silence starts now.
  if (!called_ || now - lastCall_ > kIdleGap) lastDelivery_ = now;
  called_ = true;
  lastCall_ = now;
  filled_ = 0;
  return RunFreshOrDiscard();
}

int32_t AlsaSoundInput::Restart() {
  int rc = snd_pcm_prepare(pcm_);
  if (rc >= 0) rc = snd_pcm_start(pcm_);
  return rc < 0 ? rc : 0;
}

// Keeps a running stream (sparing the sound server a restart) and throws away what
// it buffered before this recording; any other state gets a fresh start.
int32_t AlsaSoundInput::RunFreshOrDiscard() {
  const snd_pcm_sframes_t avail = snd_pcm_avail_update(pcm_);
  if (avail < 0 && !IsRecoverable(avail)) return static_cast<int32_t>(avail);
  switch (snd_pcm_state(pcm_)) {
    case SND_PCM_STATE_RUNNING:
      return DiscardBuffered();
    case SND_PCM_STATE_PREPARED: {
      // Sound servers may hand over what they held from before the start as well.
      const int rc = snd_pcm_start(pcm_) < 0 ? Restart() : 0;
      return rc < 0 ? rc : DiscardBuffered();
    }
    case SND_PCM_STATE_DISCONNECTED:
      return -ENODEV;
    case SND_PCM_STATE_SUSPENDED: {
      // A resumed stream runs on with what it held before the suspension.
      const int rc = RecoverWithoutWaiting(pcm_, -ESTRPIPE);
      return rc < 0 ? rc : DiscardBuffered();
    }
    default: {  // setup, xrun, draining, paused
      const int rc = Restart();
      return rc < 0 ? rc : DiscardBuffered();
    }
  }
}

int32_t AlsaSoundInput::DiscardBuffered() {
  const long frames = static_cast<long>(sizeof discard_ / kBytesPerFrame);
  for (int round = 0; round < kMaxReadRounds; ++round) {
    const long n = ReadAvailable(discard_, frames);
    if (n < 0) return static_cast<int32_t>(n);
    if (n < frames) break;
  }
  return 0;
}

long AlsaSoundInput::ReadAvailable(uint8_t* into, long frames) {
  long total = 0;
  for (int round = 0; round < kMaxReadRounds && total < frames; ++round) {
    const snd_pcm_sframes_t n =
        snd_pcm_readi(pcm_, into + total * kBytesPerFrame,
                      static_cast<snd_pcm_uframes_t>(frames - total));
    if (n > 0) {
      total += n;
      lastDelivery_ = Now();
      continue;
    }
    if (n == 0 || n == -EAGAIN) break;
    if (!IsRecoverable(n)) return n;
    // An overrun loses sound, not the device: recover and go on recording.
    const int rc = RecoverWithoutWaiting(pcm_, n);
    if (rc < 0) return rc;
  }
  return total;
}

int32_t AlsaSoundInput::Collect(CaptureHeader& header, uint32_t headerSize) {
  if (pcm_ == nullptr) return -EBADFD;
  if (headerSize != kCaptureHeaderSize || &header != queued_ || header.data == nullptr)
    return -EINVAL;
  lastCall_ = Now();
  const uint32_t length = header.bufferLength - header.bufferLength % kBytesPerFrame;
  if (filled_ < length) {
    const long n = ReadAvailable(header.data + filled_,
                                 static_cast<long>((length - filled_) / kBytesPerFrame));
    if (n < 0) return static_cast<int32_t>(n);
    filled_ += static_cast<uint32_t>(n) * kBytesPerFrame;
  }
  header.bytesRecorded = filled_;
  if (filled_ >= length) header.flags = (header.flags & ~kCaptureHeaderQueued) | kCaptureHeaderDone;
  // Servers may need a second or two to deliver the first sound of a new stream.
  if (Now() - lastDelivery_ >= kSilenceLimit) return -ETIME;
  return 0;
}

int32_t AlsaSoundInput::Close() {
  if (pcm_ == nullptr) return -EBADFD;
  const int rc = snd_pcm_close(pcm_);
  pcm_ = nullptr;
  queued_ = nullptr;
  filled_ = 0;
  return rc < 0 ? rc : 0;
}
