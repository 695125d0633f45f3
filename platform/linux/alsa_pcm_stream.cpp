#include "platform/linux/alsa_pcm_stream.h"

#include <alsa/asoundlib.h>

#include <cerrno>
#include <utility>

namespace {

constexpr unsigned kRate = 44100;
constexpr unsigned kChannels = 2;
// A sound server hands sound over a period at a time: 2048 frames (46 ms) wake the
// device about twenty times a second and keep the freshest sound at most that old.
constexpr snd_pcm_uframes_t kPeriodFrames = 2048;
constexpr snd_pcm_uframes_t kRingFrames = kPeriodFrames * 8;

// ALSA prints its own errors on stderr; the caller reports failures instead.
void SilentAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

int Configure(snd_pcm_t* pcm) {
  snd_pcm_hw_params_t* hw = nullptr;
  snd_pcm_hw_params_alloca(&hw);
  int rc = snd_pcm_hw_params_any(pcm, hw);
  if (rc >= 0) rc = snd_pcm_hw_params_set_access(pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED);
  if (rc >= 0) rc = snd_pcm_hw_params_set_format(pcm, hw, SND_PCM_FORMAT_U8);
  if (rc >= 0) rc = snd_pcm_hw_params_set_channels(pcm, hw, kChannels);
  if (rc >= 0) rc = snd_pcm_hw_params_set_rate_resample(pcm, hw, 1);
  if (rc >= 0) rc = snd_pcm_hw_params_set_rate(pcm, hw, kRate, 0);
  if (rc < 0) return rc;
  // Best effort: a device that cannot take these sizes still works with its own.
  snd_pcm_uframes_t period = kPeriodFrames;
  snd_pcm_uframes_t ring = kRingFrames;
  snd_pcm_hw_params_set_period_size_near(pcm, hw, &period, nullptr);
  snd_pcm_hw_params_set_buffer_size_near(pcm, hw, &ring);
  rc = snd_pcm_hw_params(pcm, hw);
  if (rc < 0) return rc;
  snd_pcm_sw_params_t* sw = nullptr;
  snd_pcm_sw_params_alloca(&sw);
  rc = snd_pcm_sw_params_current(pcm, sw);
  // Woken once a period has arrived, not for every frame.
  if (rc >= 0) rc = snd_pcm_sw_params_set_avail_min(pcm, sw, period);
  if (rc >= 0) rc = snd_pcm_sw_params(pcm, sw);
  return rc;
}

bool IsOverrun(long rc) { return rc == -EPIPE || rc == -ESTRPIPE || rc == -EINTR; }

// An overrun or a suspension loses sound, not the device: the stream starts again.
int Recover(snd_pcm_t* pcm, long error) {
  if (error == -EINTR) return 0;
  int rc = -1;
  if (error == -ESTRPIPE) rc = snd_pcm_resume(pcm);
  if (rc < 0) rc = snd_pcm_prepare(pcm);
  if (rc >= 0 && snd_pcm_state(pcm) == SND_PCM_STATE_PREPARED) rc = snd_pcm_start(pcm);
  return rc;
}

}  // namespace

AlsaPcmStream::AlsaPcmStream(std::string deviceName) : deviceName_(std::move(deviceName)) {}

AlsaPcmStream::~AlsaPcmStream() { Close(); }

int AlsaPcmStream::Open() {
  static const bool silenced = snd_lib_error_set_handler(&SilentAlsaErrors) == 0;
  (void)silenced;
  if (pcm_ != nullptr) return -EBUSY;
  snd_pcm_t* pcm = nullptr;
  // Non-blocking: a hardware device in use by another program fails at once.
  int rc = snd_pcm_open(&pcm, deviceName_.c_str(), SND_PCM_STREAM_CAPTURE, SND_PCM_NONBLOCK);
  if (rc < 0) return rc;
  rc = Configure(pcm);
  if (rc < 0) {
    snd_pcm_close(pcm);
    return rc;
  }
  pcm_ = pcm;
  return 0;
}

int AlsaPcmStream::Start() {
  if (pcm_ == nullptr) return -EBADFD;
  int rc = snd_pcm_drop(pcm_);
  if (rc >= 0 || rc == -EBADFD) rc = snd_pcm_prepare(pcm_);
  if (rc >= 0) rc = snd_pcm_start(pcm_);
  if (snd_pcm_state(pcm_) == SND_PCM_STATE_DISCONNECTED) return -ENODEV;
  return rc < 0 ? rc : 0;
}

void AlsaPcmStream::Stop() {
  if (pcm_ != nullptr) snd_pcm_drop(pcm_);
}

long AlsaPcmStream::Read(uint8_t* into, long maxFrames, int timeoutMs, long& lagFrames,
                         bool& broken) {
  lagFrames = 0;
  broken = false;
  if (pcm_ == nullptr) return -EBADFD;
  const int ready = snd_pcm_wait(pcm_, timeoutMs);
  if (ready < 0 && !IsOverrun(ready)) return ready;
  snd_pcm_sframes_t n = snd_pcm_readi(pcm_, into, static_cast<snd_pcm_uframes_t>(maxFrames));
  if (n == -EAGAIN) return 0;
  if (IsOverrun(n) || IsOverrun(ready)) {
    broken = true;
    const int rc = Recover(pcm_, n < 0 ? n : ready);
    if (rc < 0) return rc;
    if (n < 0) return 0;
  }
  if (n < 0) return n;
  if (snd_pcm_state(pcm_) == SND_PCM_STATE_DISCONNECTED) return -ENODEV;
  snd_pcm_sframes_t delay = 0;
  if (snd_pcm_delay(pcm_, &delay) == 0 && delay > 0) lagFrames = static_cast<long>(delay);
  return static_cast<long>(n);
}

void AlsaPcmStream::Close() {
  if (pcm_ == nullptr) return;
  snd_pcm_close(pcm_);
  pcm_ = nullptr;
}
