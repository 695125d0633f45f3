#pragma once
// The capture device of this machine, recorded by a thread of the device's own: the
// desktop's sound server through its own client library (PulseAudio, or PipeWire through
// pipewire-pulse), or ALSA's "default" where no server answers (plain hardware).
#include "platform/portable/threaded_sound_input.h"

enum class CapturePath {
  PulseThenAlsa,
  Pulse,  // the sound server's client only
  Alsa,   // ALSA's "default" only, whatever server runs
};

// SYLVARINE_SOUND_INPUT=pulse or =alsa keeps to one path; anything else takes both in turn.
CapturePath CapturePathFromEnvironment();

class HostSoundInput : public ThreadedSoundInput {
 public:
  // `clock` stands in for the steady clock in tests.
  explicit HostSoundInput(CapturePath path = CapturePathFromEnvironment(), Clock clock = {});
};
