#pragma once
// The sound-input device as the capture engine sees it: five operations, each
// returning a result code (0 = success), and a buffer the device fills by itself.
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

class ISoundInput {
 public:
  virtual ~ISoundInput() = default;
  virtual int32_t Open(const WaveFormat& format) = 0;
  virtual int32_t PrepareHeader(CaptureHeader& header, uint32_t headerSize) = 0;
  virtual int32_t AddBuffer(CaptureHeader& header, uint32_t headerSize) = 0;
  virtual int32_t Start() = 0;
  virtual int32_t Close() = 0;
};
