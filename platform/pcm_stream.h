#pragma once
// A capture stream of 8-bit unsigned stereo frames at 44100 Hz, as a sound library
// offers it. Every call may block, even for good (a sound server that hangs): only the
// capture device's own thread makes them.
#include <cstdint>

class IPcmStream {
 public:
  virtual ~IPcmStream() = default;
  // Opens the device; 0 or a negative error code.
  virtual int Open() = 0;
  // Starts a fresh stream, forgetting anything recorded before.
  virtual int Start() = 0;
  // Stops the stream and drops what it holds.
  virtual void Stop() = 0;
  // Waits up to `timeoutMs` for sound, then reads what is there (at most `maxFrames`).
  // Returns the frames read (0: nothing yet), or a negative error code. `lagFrames` is
  // how many frames were recorded after the last one read (0 if unknown). A lost
  // stretch of sound that the stream recovered from is reported in `broken`.
  virtual long Read(uint8_t* into, long maxFrames, int timeoutMs, long& lagFrames,
                    bool& broken) = 0;
  virtual void Close() = 0;
};
