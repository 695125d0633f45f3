#include "analyser/capture/capture_engine.h"

#include "analyser/state/application_title.h"

const char kAudioOpenFailureText[] =
    "Impossible d'ouvrir l'interface audio! Soit celle-ci n'est pas compatible, soit elle est "
    "déjà utilisée par une autre application. Fermez l'Dodiravadovu Duzav, fermez l'application "
    "utilisant l'interface et réessayez.  ";
const char kAudioOpenFailureCaption[] = "Ouverture de l'interface audio.";
const char kAudioUseFailureText[] =
    "Un problème est survenu au cours de l'utilisation de l'interface son. Fermez "
    "l'Dodiravadovu Duzav est réessayez.";

namespace {

constexpr int32_t kSampleOffset = 127;  // silence (128) becomes +1, as the meters expect

// Every device call's result is kept; a failure is reported and latched.
bool Check(ViewState& s, const CaptureServices& services, int32_t result) {
  s.lastDeviceResult = result;
  if (result == 0) return true;
  services.messages.ShowMessage(kAudioUseFailureText, kApplicationTitle, MessageIcon::None,
                                MessageButtons::Ok, true);
  s.audioFault = 1;
  return false;
}

}  // namespace

void FillCaptureRecords(ViewState& s) {
  s.sampleRate = 44100;
  WaveFormat& f = s.captureFormat;
  f.formatTag = kWaveFormatPcm;
  f.channels = 2;
  f.samplesPerSecond = static_cast<uint32_t>(s.sampleRate);
  f.averageBytesPerSecond = static_cast<uint32_t>(s.sampleRate) * 2u;
  f.blockAlign = 2;
  f.bitsPerSample = 8;
  f.extraSize = 0;
  s.captureHeader = CaptureHeader{};
  s.captureHeader.data = s.captureBuffer;
  s.captureHeader.bufferLength = kCaptureBufferBytes;
  s.captureHeader.flags = 0;
}

void OpenCaptureDevice(ViewState& s, ISoundInput& sound, IMessageBox& messages) {
  s.lastDeviceResult = sound.Open(s.captureFormat);
  if (s.lastDeviceResult != 0) {
    // Shown before any window exists, hence no owner.
    messages.ShowMessage(kAudioOpenFailureText, kAudioOpenFailureCaption, MessageIcon::None,
                         MessageButtons::Ok, false);
    s.audioFault = 1;
    return;
  }
  s.deviceOpen = 1;
}

bool ArmCapture(ViewState& s, const CaptureServices& services) {
  ISoundInput& sound = services.sound;
  // Each call is made even after an earlier one failed.
  const bool prepared =
      Check(s, services, sound.PrepareHeader(s.captureHeader, kCaptureHeaderSize));
  const bool queued = Check(s, services, sound.AddBuffer(s.captureHeader, kCaptureHeaderSize));
  const bool started = Check(s, services, sound.Start());
  return prepared && queued && started;
}

bool CollectCapture(ViewState& s, const CaptureServices& services) {
  const bool collected =
      Check(s, services, services.sound.Collect(s.captureHeader, kCaptureHeaderSize));
  ConvertCaptureBuffer(s);
  return collected;
}

void ConvertCaptureBuffer(ViewState& s) {
  SampleBlock& b = s.samples;
  const uint8_t* bytes = s.captureBuffer;
  // Byte 2k is frame k's left channel, byte 2k+1 its right; 4000..4010 are left alone.
  for (int k = 0; k < kCapturedFrames; ++k) {
    const int32_t left = static_cast<int32_t>(bytes[2 * k]) - kSampleOffset;
    const int32_t right = static_cast<int32_t>(bytes[2 * k + 1]) - kSampleOffset;
    b.leftSamples[k] = left;
    b.rightSamples[k] = right;
    b.sumSamples[k] = left + right;
    b.differenceSamples[k] = right - left;
  }
}

bool CloseCaptureDevice(ViewState& s, const CaptureServices& services) {
  if (s.deviceOpen != 1) return true;
  const bool closed = Check(s, services, services.sound.Close());
  s.deviceOpen = 0;
  return closed;
}
