#pragma once
// The capture device on ALSA: PCM "default" (the desktop's sound server through its
// ALSA plugin, or plain hardware), non-blocking, U8, 2 channels, 44100 Hz, interleaved.
//
// There is no thread: the stream runs on its own and Collect copies what arrived
// since the last Start into the queued buffer, never waiting.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/sound_input.h"

typedef struct _snd_pcm snd_pcm_t;

class AlsaSoundInput : public ISoundInput {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  // `clock` stands in for the steady clock in tests.
  explicit AlsaSoundInput(std::string deviceName = "default", Clock clock = {});
  ~AlsaSoundInput() override;
  AlsaSoundInput(const AlsaSoundInput&) = delete;
  AlsaSoundInput& operator=(const AlsaSoundInput&) = delete;

  int32_t Open(const WaveFormat& format) override;
  int32_t PrepareHeader(CaptureHeader& header, uint32_t headerSize) override;
  int32_t AddBuffer(CaptureHeader& header, uint32_t headerSize) override;
  int32_t Start() override;
  int32_t Close() override;
  int32_t Collect(CaptureHeader& header, uint32_t headerSize) override;

  // A stream that stays silent this long while measuring counts as a failed device.
  static constexpr std::chrono::seconds kSilenceLimit{5};

 private:
  std::chrono::steady_clock::time_point Now() const;
  int32_t RunFreshOrDiscard();
  int32_t DiscardBuffered();
  int32_t Restart();
  // Reads at most `frames` into `into`; returns frames read or a negative error.
  long ReadAvailable(uint8_t* into, long frames);

  std::string deviceName_;
  Clock clock_;
  snd_pcm_t* pcm_ = nullptr;
  CaptureHeader* queued_ = nullptr;
  uint32_t filled_ = 0;
  std::chrono::steady_clock::time_point lastDelivery_{};
  std::chrono::steady_clock::time_point lastCall_{};
  bool called_ = false;
  uint8_t discard_[8192] = {};
};
