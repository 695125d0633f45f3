#pragma once
// A sound-input device that records on its own, as a sound card does: a thread of its
// own runs the stream and keeps what it records in a RecordingWindow. The caller's
// operations only exchange a few values with that thread under a lock that is never
// held across a stream call, so a sound library that hangs stalls the device's thread,
// never the caller.
//
// The stream runs while a measurement wants it: from an arm until a little more than one
// cycle after the last block was collected; otherwise it is stopped and the device costs
// nothing.
#include <cerrno>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "platform/pcm_stream.h"
#include "platform/sound_input.h"

class ThreadedSoundInput : public ISoundInput {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  using StreamFactory = std::function<std::unique_ptr<IPcmStream>()>;

  // How long Open waits for the stream to open before it gives up on it.
  static constexpr std::chrono::milliseconds kOpenDeadline{3000};
  // How long Close (and the destructor) waits for the device's thread to finish.
  static constexpr std::chrono::milliseconds kCloseDeadline{400};
  // How long the stream runs after an arm when no collect comes.
  static constexpr std::chrono::milliseconds kArmedRun{1500};
  // How long it runs on after a full block was collected: longer than the longest pause of
  // a measuring cycle (1000 ms), so that a measurement keeps one stream. Starting a stream
  // costs a sound server more than running it.
  static constexpr std::chrono::milliseconds kKeepAlive{1200};
  // How long the stream runs after opening to wake the sound server, if it stays silent.
  static constexpr std::chrono::milliseconds kWakeUpRun{3000};
  // The longest a stream read waits, so that a request is seen soon.
  static constexpr int kReadTimeoutMs = 100;
  // The result of a call on a device that is not open.
  static constexpr int32_t kNotOpen = -EBADF;

  // `clock` stands in for the steady clock in tests.
  explicit ThreadedSoundInput(StreamFactory factory, Clock clock = {});
  ~ThreadedSoundInput() override;
  ThreadedSoundInput(const ThreadedSoundInput&) = delete;
  ThreadedSoundInput& operator=(const ThreadedSoundInput&) = delete;

  int32_t Open(const WaveFormat& format) override;
  int32_t PrepareHeader(CaptureHeader& header, uint32_t headerSize) override;
  int32_t AddBuffer(CaptureHeader& header, uint32_t headerSize) override;
  int32_t Start() override;
  int32_t Close() override;
  int32_t Collect(CaptureHeader& header, uint32_t headerSize) override;

  // Device threads left behind, stuck in their sound library, by this process. A
  // process that has any must end without running the library's exit handlers.
  static int AbandonedThreads();

  struct Shared;

 private:
  std::chrono::steady_clock::time_point Now() const;
  // Asks the thread to finish and waits for it up to the close deadline.
  void StopThread();

  StreamFactory factory_;
  Clock clock_;
  std::shared_ptr<Shared> shared_;
  std::thread thread_;
  CaptureHeader* queued_ = nullptr;
};
