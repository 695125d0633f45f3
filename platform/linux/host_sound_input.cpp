#include "platform/linux/host_sound_input.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "platform/linux/alsa_pcm_stream.h"
#include "platform/linux/fallback_pcm_stream.h"
#include "platform/linux/pulse_pcm_stream.h"

namespace {

std::unique_ptr<IPcmStream> MakeStream(CapturePath path) {
  if (path == CapturePath::Pulse) return std::make_unique<PulsePcmStream>();
  if (path == CapturePath::Alsa) return std::make_unique<AlsaPcmStream>("default");
  std::vector<std::unique_ptr<IPcmStream>> candidates;
  candidates.push_back(std::make_unique<PulsePcmStream>());
  candidates.push_back(std::make_unique<AlsaPcmStream>("default"));
  return std::make_unique<FallbackPcmStream>(std::move(candidates));
}

}  // namespace

CapturePath CapturePathFromEnvironment() {
  const char* chosen = std::getenv("SYLVARINE_SOUND_INPUT");
  if (chosen != nullptr && std::strcmp(chosen, "pulse") == 0) return CapturePath::Pulse;
  if (chosen != nullptr && std::strcmp(chosen, "alsa") == 0) return CapturePath::Alsa;
  return CapturePath::PulseThenAlsa;
}

HostSoundInput::HostSoundInput(CapturePath path, Clock clock)
    : ThreadedSoundInput([path] { return MakeStream(path); }, std::move(clock)) {}
