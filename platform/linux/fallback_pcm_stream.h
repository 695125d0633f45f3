#pragma once
// The first of several capture streams that opens, in the order given: the sound server's
// own client first, ALSA where no server answers. A stream that timed out ends the search:
// a server is there but hangs, and the others would only reach the same server.
#include <memory>
#include <vector>

#include "platform/pcm_stream.h"

class FallbackPcmStream : public IPcmStream {
 public:
  explicit FallbackPcmStream(std::vector<std::unique_ptr<IPcmStream>> candidates);

  // 0, or the error code of the last stream tried.
  int Open() override;
  int Start() override;
  void Stop() override;
  long Read(uint8_t* into, long maxFrames, int timeoutMs, long& lagFrames, bool& broken) override;
  void Close() override;

 private:
  std::vector<std::unique_ptr<IPcmStream>> candidates_;
  IPcmStream* opened_ = nullptr;
};
