#include "platform/windows/wave_sound_input.h"

#include <memory>
#include <utility>

#include "platform/windows/wave_in_stream.h"

WaveSoundInput::WaveSoundInput(Clock clock)
    : ThreadedSoundInput([] { return std::make_unique<WaveInStream>(); }, std::move(clock)) {}
