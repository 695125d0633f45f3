#pragma once
// The sound-input device as the capture engine sees it: five operations, each
// returning a result code (0 = success), and a buffer the device fills.
//
// A device that fills the buffer on its own between Start and the collect tick
// needs nothing more. A device without a thread of its own (ALSA, non-blocking)
// copies what it delivered in Collect, which the engine calls at collect time.
#include <cstdint>

struct WaveFormat {
  uint16_t formatTag = 0;
  uint16_t channels = 0;
  uint32_t samplesPerSecond = 0;
  uint32_t averageBytesPerSecond = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
  uint16_t extraSize = 0;
};

constexpr uint16_t kWaveFormatPcm = 1;

struct CaptureHeader {
  uint8_t* data = nullptr;
  uint32_t bufferLength = 0;
  uint32_t bytesRecorded = 0;
  uint32_t user = 0;
  uint32_t flags = 0;
  uint32_t loops = 0;
  uint32_t next = 0;
  uint32_t reserved = 0;
};

constexpr uint32_t kCaptureHeaderSize = 32;

// Header flags a device may set.
constexpr uint32_t kCaptureHeaderDone = 0x1;
constexpr uint32_t kCaptureHeaderPrepared = 0x2;
constexpr uint32_t kCaptureHeaderQueued = 0x10;

class ISoundInput {
 public:
  virtual ~ISoundInput() = default;
  virtual int32_t Open(const WaveFormat& format) = 0;
  virtual int32_t PrepareHeader(CaptureHeader& header, uint32_t headerSize) = 0;
  virtual int32_t AddBuffer(CaptureHeader& header, uint32_t headerSize) = 0;
  // Starts a fresh recording into the queued buffer.
  virtual int32_t Start() = 0;
  virtual int32_t Close() = 0;
  // Copies what the device delivered since Start into the queued buffer, at most
  // its length, without waiting; bytes not delivered keep their earlier value.
  // A device that fills the buffer by itself has nothing to do here.
  virtual int32_t Collect(CaptureHeader& header, uint32_t headerSize) {
    (void)header;
    (void)headerSize;
    return 0;
  }
};
