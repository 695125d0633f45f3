// Wave input under the private sound server of test_wave_input.sh, which says in
// SYLVARINE_WAVE_SERVER what it does: "dies" (plays 1 kHz, then is killed once the file
// SYLVARINE_WAVE_MARKER exists) or "none" (there is no server).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "platform/windows/wave_sound_input.h"

namespace {

using namespace std::chrono_literals;

constexpr int32_t kNotDoneInTime = 1;  // no device result is positive

// One block as the acquisition cycle records it, armed again every 400 ms until the
// device has it whole: the first failed result, if any.
int32_t Record(ISoundInput& device, CaptureHeader& header) {
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  int32_t rc = 0;
  do {
    if (std::chrono::steady_clock::now() > deadline) return kNotDoneInTime;
    rc = device.PrepareHeader(header, kCaptureHeaderSize);
    if (rc == 0) rc = device.AddBuffer(header, kCaptureHeaderSize);
    if (rc == 0) rc = device.Start();
    for (const auto collect = std::chrono::steady_clock::now() + 400ms;
         rc == 0 && (header.flags & kCaptureHeaderDone) == 0 && std::chrono::steady_clock::now() < collect;) {
      std::this_thread::sleep_for(20ms);
      rc = device.Collect(header, kCaptureHeaderSize);
    }
  } while (rc == 0 && (header.flags & kCaptureHeaderDone) == 0);
  return rc;
}

TEST(WaveInput, KeepsThePromisesOfTheCaptureDevice) {
  const char* server = std::getenv("SYLVARINE_WAVE_SERVER");
  if (server == nullptr) GTEST_SKIP() << "run by test_wave_input.sh";
  WaveSoundInput device;
  const WaveFormat format{kWaveFormatPcm, 2, 44100, 88200, 2, 8, 0};
  if (std::string(server) == "none") {
    EXPECT_NE(device.Open(format), 0);
    EXPECT_EQ(device.Start(), ThreadedSoundInput::kNotOpen);
    return;
  }
  ASSERT_EQ(device.Open(format), 0);
  uint8_t buffer[8000] = {};
  CaptureHeader header{buffer, sizeof buffer};
  for (int recording = 0; recording < 3; ++recording) {
    ASSERT_EQ(Record(device, header), 0);
    // 4000 frames of a 1 kHz sine at 44100 Hz hold 90.7 periods.
    int crossings = 0;
    for (uint32_t i = 2; i < sizeof buffer; i += 2) crossings += buffer[i - 2] < 128 && buffer[i] >= 128;
    EXPECT_NEAR(crossings, 90, 2);
  }
  std::ofstream(std::getenv("SYLVARINE_WAVE_MARKER")) << "measuring";
  int32_t rc = 0;
  for (int recording = 0; rc == 0 && recording < 100; ++recording) rc = Record(device, header);
  EXPECT_LT(rc, 0);  // a failed call within the silence limit, not a wait without end
  device.Close();
}

}  // namespace
