#pragma once
// The capture device on ALSA: PCM "default" (the desktop's sound server through its
// ALSA plugin, or plain hardware), recorded by a thread of the device's own.
#include <string>

#include "platform/portable/threaded_sound_input.h"

class AlsaSoundInput : public ThreadedSoundInput {
 public:
  // `clock` stands in for the steady clock in tests.
  explicit AlsaSoundInput(std::string deviceName = "default", Clock clock = {});
};
