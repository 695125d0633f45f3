#pragma once
// A capture stream on the sound server's own client library (PulseAudio's protocol, which
// PipeWire serves through pipewire-pulse): U8, 2 channels, 44100 Hz, from the default
// source. Used from the capture device's own thread only.
//
// The library runs on a main loop of the stream's own, in the calling thread, and no call
// waits on the server: a server that hangs leaves the stream silent, never stuck, and one
// that goes away is a failed call. A server may hand sound over in many small pieces; the
// stream asks for fragments of 2048 frames (46 ms) and collects what arrived every second
// fragment, so that its thread wakes about eleven times a second however the server sends:
// fresh enough for a measurement that takes its block 400 ms after arming, and half the
// cost of waking every fragment. Stop pauses the stream: nothing
// flows and nothing runs here, but the server keeps it set up, so that the next start
// delivers within a fragment instead of waiting for the server to set up a stream anew.
#include <chrono>
#include <cstddef>

#include "platform/pcm_stream.h"

struct pa_mainloop;
struct pa_context;
struct pa_stream;

class PulsePcmStream : public IPcmStream {
 public:
  static constexpr long kFragmentFrames = 2048;
  // How long Open waits for the server to accept the client.
  static constexpr std::chrono::milliseconds kConnectDeadline{2000};

  PulsePcmStream() = default;
  ~PulsePcmStream() override;
  PulsePcmStream(const PulsePcmStream&) = delete;
  PulsePcmStream& operator=(const PulsePcmStream&) = delete;

  // Connects to the server: 0, -ECONNREFUSED where no server answers, -ETIMEDOUT where one
  // is there but does not answer in time.
  int Open() override;
  int Start() override;
  void Stop() override;
  long Read(uint8_t* into, long maxFrames, int timeoutMs, long& lagFrames, bool& broken) override;
  void Close() override;

 private:
  // Runs what the server sent and sends what is queued, without waiting.
  void Pump();
  int Connect();
  // Ends the stream at the server.
  void Release();
  // Pauses or resumes the stream; false if the server cannot be asked.
  bool Cork(bool pause);
  // Drops whatever sound arrived.
  void Discard();
  // The connection's or the stream's failure as a negative error code, 0 while both are good.
  int Failure() const;
  // Copies whole frames of what arrived into `into`; the frames copied, or an error code.
  long Take(uint8_t* into, long maxFrames);
  long LagFrames() const;

  pa_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  bool paused_ = false;  // stopped, but still set up at the server
  std::chrono::steady_clock::time_point nextPump_{};
  bool broken_ = false;  // the server lost sound of this stream (an overrun)
  // The piece of sound being copied, and how much of it was copied.
  const uint8_t* piece_ = nullptr;
  std::size_t pieceBytes_ = 0;
  std::size_t pieceCopied_ = 0;
};
