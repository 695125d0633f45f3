// The ALSA device's own rules, on ALSA's "null" PCM, which opens anywhere.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

#include "platform/linux/alsa_sound_input.h"

namespace {

constexpr WaveFormat kCaptureFormat{1, 2, 44100, 88200, 2, 8, 0};

class NullAlsaDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sound.Open(kCaptureFormat), 0);
    std::memset(buffer, 0x55, sizeof buffer);
    header.data = buffer;
    header.bufferLength = sizeof buffer;
  }
  int32_t Arm() {
    int32_t rc = sound.PrepareHeader(header, kCaptureHeaderSize);
    if (rc == 0) rc = sound.AddBuffer(header, kCaptureHeaderSize);
    if (rc == 0) rc = sound.Start();
    return rc;
  }

  AlsaSoundInput sound{"null"};
  uint8_t buffer[8000];
  CaptureHeader header;
};

TEST_F(NullAlsaDevice, AWholeBufferIsCollectedAndMarkedDone) {
  // The null device delivers frames (without writing them) as fast as they are read, on
  // the device's own thread.
  ASSERT_EQ(Arm(), 0);
  EXPECT_EQ(header.flags & kCaptureHeaderDone, 0u);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  do {
    ASSERT_EQ(sound.Collect(header, kCaptureHeaderSize), 0);
  } while (header.bytesRecorded < 8000 && std::chrono::steady_clock::now() < end);
  EXPECT_EQ(header.bytesRecorded, 8000u);
  EXPECT_NE(header.flags & kCaptureHeaderDone, 0u);
  EXPECT_EQ(header.flags & kCaptureHeaderQueued, 0u);
  // The next arm starts a fresh recording.
  ASSERT_EQ(Arm(), 0);
  EXPECT_EQ(header.bytesRecorded, 0u);
  EXPECT_EQ(header.flags & kCaptureHeaderDone, 0u);
}

TEST_F(NullAlsaDevice, HeadersMustBePreparedQueuedAndOfTheRightSize) {
  EXPECT_NE(sound.AddBuffer(header, kCaptureHeaderSize), 0);  // not prepared
  EXPECT_NE(sound.PrepareHeader(header, 16), 0);
  EXPECT_NE(sound.Collect(header, kCaptureHeaderSize), 0);  // never queued
  CaptureHeader empty;
  EXPECT_NE(sound.PrepareHeader(empty, kCaptureHeaderSize), 0);
  ASSERT_EQ(Arm(), 0);
  EXPECT_NE(header.flags & kCaptureHeaderQueued, 0u);
  EXPECT_NE(sound.Collect(empty, kCaptureHeaderSize), 0);
  // Preparing twice and starting a started device succeed.
  EXPECT_EQ(sound.PrepareHeader(header, kCaptureHeaderSize), 0);
  EXPECT_EQ(sound.Start(), 0);
}

TEST_F(NullAlsaDevice, OpenTwiceFailsAndCloseEndsEveryOperation) {
  EXPECT_NE(sound.Open(kCaptureFormat), 0);
  EXPECT_EQ(sound.Close(), 0);
  EXPECT_NE(sound.Close(), 0);
  EXPECT_NE(sound.Start(), 0);
  EXPECT_NE(sound.PrepareHeader(header, kCaptureHeaderSize), 0);
  EXPECT_NE(sound.Collect(header, kCaptureHeaderSize), 0);
  EXPECT_EQ(sound.Open(kCaptureFormat), 0);  // and it opens again
}

TEST(AlsaSoundInput, UnknownDeviceFailsToOpen) {
  AlsaSoundInput sound("no_such_capture_device");
  EXPECT_NE(sound.Open(kCaptureFormat), 0);
  EXPECT_NE(sound.Start(), 0);
}

TEST(AlsaSoundInput, OnlyEightBitStereoAt44100IsAccepted) {
  for (WaveFormat f : {WaveFormat{1, 1, 44100, 44100, 1, 8, 0},
                       WaveFormat{1, 2, 48000, 96000, 2, 8, 0},
                       WaveFormat{1, 2, 44100, 176400, 4, 16, 0},
                       WaveFormat{3, 2, 44100, 88200, 2, 8, 0}}) {
    AlsaSoundInput sound("null");
    EXPECT_NE(sound.Open(f), 0) << f.channels << " " << f.samplesPerSecond;
  }
}

}  // namespace
