#pragma once
// A capture stream on ALSA: non-blocking, U8, 2 channels, 44100 Hz, interleaved, read
// in pieces of one period. Used from the capture device's own thread only.
#include <string>

#include "platform/pcm_stream.h"

typedef struct _snd_pcm snd_pcm_t;

class AlsaPcmStream : public IPcmStream {
 public:
  explicit AlsaPcmStream(std::string deviceName);
  ~AlsaPcmStream() override;
  AlsaPcmStream(const AlsaPcmStream&) = delete;
  AlsaPcmStream& operator=(const AlsaPcmStream&) = delete;

  int Open() override;
  int Start() override;
  void Stop() override;
  long Read(uint8_t* into, long maxFrames, int timeoutMs, long& lagFrames, bool& broken) override;
  void Close() override;

 private:
  std::string deviceName_;
  snd_pcm_t* pcm_ = nullptr;
};
