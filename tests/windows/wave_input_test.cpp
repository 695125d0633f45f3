// Wave input under a private sound server; test_wave_input.sh runs each case with the
// server it names in SYLVARINE_WAVE_SERVER: "sine" (playing 1 kHz), "dies" (killed while
// measuring, once SYLVARINE_WAVE_MARKER exists) or "none".
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "platform/windows/wave_sound_input.h"

namespace {

using namespace std::chrono_literals;

constexpr WaveFormat kFormat{kWaveFormatPcm, 2, 44100, 88200, 2, 8, 0};
constexpr int32_t kNotDoneInTime = 1;  // no device result is positive

std::string Scenario() {
  const char* server = std::getenv("SYLVARINE_WAVE_SERVER");
  return server != nullptr ? server : "";
}

// One recording as the capture engine makes it; the first failed result, if any.
int32_t Record(ISoundInput& device, CaptureHeader& header) {
  int32_t rc = device.PrepareHeader(header, kCaptureHeaderSize);
  if (rc == 0) rc = device.AddBuffer(header, kCaptureHeaderSize);
  if (rc == 0) rc = device.Start();
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (rc == 0 && (header.flags & kCaptureHeaderDone) == 0) {
    if (std::chrono::steady_clock::now() > deadline) return kNotDoneInTime;
    std::this_thread::sleep_for(20ms);
    rc = device.Collect(header, kCaptureHeaderSize);
  }
  return rc;
}

int UpwardCrossingsOfTheLeftChannel(const uint8_t* bytes, uint32_t length) {
  int crossings = 0;
  for (uint32_t i = 2; i < length; i += 2) crossings += bytes[i - 2] < 128 && bytes[i] >= 128;
  return crossings;
}

TEST(WaveInput, RecordsTheSineTheServerPlays) {
  if (Scenario() != "sine") GTEST_SKIP() << "run by test_wave_input.sh";
  WaveSoundInput device;
  uint8_t buffer[8000] = {};
  CaptureHeader header{buffer, sizeof buffer};
  ASSERT_EQ(device.Open(kFormat), 0);
  for (int recording = 0; recording < 3; ++recording) {
    ASSERT_EQ(Record(device, header), 0);
    // 4000 frames of a 1 kHz sine at 44100 Hz: 90.7 periods.
    EXPECT_NEAR(UpwardCrossingsOfTheLeftChannel(buffer, sizeof buffer), 90, 2);
  }
  EXPECT_EQ(device.Close(), 0);
}

TEST(WaveInput, AServerThatDiesWhileMeasuringIsAFailedCall) {
  if (Scenario() != "dies") GTEST_SKIP() << "run by test_wave_input.sh";
  WaveSoundInput device;
  uint8_t buffer[8000] = {};
  CaptureHeader header{buffer, sizeof buffer};
  ASSERT_EQ(device.Open(kFormat), 0);
  ASSERT_EQ(Record(device, header), 0);
  std::ofstream(std::getenv("SYLVARINE_WAVE_MARKER")) << "measuring";
  int32_t rc = 0;
  for (int recording = 0; rc == 0 && recording < 100; ++recording) rc = Record(device, header);
  EXPECT_LT(rc, 0);  // a failed call within the silence limit, never a wait that does not end
  device.Close();
}

TEST(WaveInput, FailsAtOnceWithoutAServer) {
  if (Scenario() != "none") GTEST_SKIP() << "run by test_wave_input.sh";
  WaveSoundInput device;
  EXPECT_NE(device.Open(kFormat), 0);
  EXPECT_EQ(device.Start(), ThreadedSoundInput::kNotOpen);
  EXPECT_EQ(device.Close(), ThreadedSoundInput::kNotOpen);
}

}  // namespace
