#pragma once
// The capture device on the system's wave input, recorded by a thread of the device's
// own: the window's thread never calls into the sound stack, a block holds only sound
// recorded after its own arm, and a device that fails or stays silent while measuring
// is a failed call (ThreadedSoundInput).
#include "platform/portable/threaded_sound_input.h"

class WaveSoundInput : public ThreadedSoundInput {
 public:
  // `clock` stands in for the steady clock in tests.
  explicit WaveSoundInput(Clock clock = {});
};
