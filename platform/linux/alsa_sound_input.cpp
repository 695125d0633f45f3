#include "platform/linux/alsa_sound_input.h"

#include <memory>
#include <utility>

#include "platform/linux/alsa_pcm_stream.h"

AlsaSoundInput::AlsaSoundInput(std::string deviceName, Clock clock)
    : ThreadedSoundInput(
          [name = std::move(deviceName)] { return std::make_unique<AlsaPcmStream>(name); },
          std::move(clock)) {}
