#pragma once
// The capture stream on the system's wave input (waveIn*): the wave mapper's device,
// opened for 8-bit stereo at 44100 Hz, filling 8000-byte buffers by itself and setting an
// event at each one (a read sleeps until then rather than polling). Several buffers stay
// queued so that recording runs on without gaps; a buffer is read once the device marks
// it done, and queued again.
//
// The device is open only while a stream runs (and from Open to the first Stop): an open
// wave device keeps the system's sound stack busy, polling its server every few
// milliseconds, even while stopped. Open proves that the device opens; Start opens it
// again after a Stop, and a device that no longer opens is a failed Start.
//
// Its calls may block inside the system's sound stack: only the capture device's own
// thread makes them (ThreadedSoundInput).
#include <cstdint>
#include <memory>

#include "platform/pcm_stream.h"

class WaveInStream : public IPcmStream {
 public:
  static constexpr int kBuffers = 4;
  static constexpr uint32_t kBufferBytes = 8000;

  WaveInStream();
  ~WaveInStream() override;
  WaveInStream(const WaveInStream&) = delete;
  WaveInStream& operator=(const WaveInStream&) = delete;

  // Results are 0 or the negated MMRESULT of the failed call.
  int Open() override;
  int Start() override;
  void Stop() override;
  long Read(uint8_t* into, long maxFrames, int timeoutMs, long& lagFrames, bool& broken) override;
  void Close() override;

  struct Buffers;

 private:
  int OpenDevice();
  void CloseDevice();

  std::unique_ptr<Buffers> buffers_;
  void* filled_;  // the event the device sets when it has filled a buffer
  void* device_ = nullptr;
  int next_ = 0;                // the buffer read next
  uint32_t readOffset_ = 0;     // bytes of it already read
  int64_t framesBefore_ = 0;    // frames of the stream in the buffers before it
};
