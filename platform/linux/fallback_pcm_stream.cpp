#include "platform/linux/fallback_pcm_stream.h"

#include <cerrno>
#include <utility>

FallbackPcmStream::FallbackPcmStream(std::vector<std::unique_ptr<IPcmStream>> candidates)
    : candidates_(std::move(candidates)) {}

int FallbackPcmStream::Open() {
  if (opened_ != nullptr) return -EBUSY;
  int rc = -ENODEV;
  for (const auto& stream : candidates_) {
    rc = stream->Open();
    if (rc == 0) {
      opened_ = stream.get();
      break;
    }
    if (rc == -ETIMEDOUT) break;
  }
  return rc;
}

int FallbackPcmStream::Start() { return opened_ != nullptr ? opened_->Start() : -EBADFD; }

void FallbackPcmStream::Stop() {
  if (opened_ != nullptr) opened_->Stop();
}

long FallbackPcmStream::Read(uint8_t* into, long maxFrames, int timeoutMs, long& lagFrames,
                             bool& broken) {
  if (opened_ == nullptr) {
    lagFrames = 0;
    broken = false;
    return -EBADFD;
  }
  return opened_->Read(into, maxFrames, timeoutMs, lagFrames, broken);
}

void FallbackPcmStream::Close() {
  if (opened_ != nullptr) opened_->Close();
  opened_ = nullptr;
}
