// Any samples, captured or loaded from a snapshot, must analyse without undefined
// behaviour. Captured values give spectra within the bounds their range allows; a snapshot's
// arbitrary words may wrap the 32-bit sums, so only the structure is checked for them.
// Byte 0 picks the settings, how the rest is read (as capture bytes b - 127 or as
// little-endian 32-bit words, alternately for the right and the left channel) and how many
// analyses run, alternately of channel 1 and 2: one for half of the inputs, two or four
// (integration over runs) for the others, so that a run tries a million inputs in minutes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

#include "analyser/spectrum/analyse_spectrum.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void FillChannels(ViewState& state, const uint8_t* data, size_t size, bool asWords) {
  int32_t* channels[2] = {state.samples.rightSamples, state.samples.leftSamples};
  const size_t step = asWords ? 4 : 1;
  size_t slot = 0;
  for (size_t at = 0; at + step <= size && slot < 2 * kSampleSlots; at += step, ++slot) {
    int32_t value = static_cast<int32_t>(data[at]) - 127;
    if (asWords)
      value = static_cast<int32_t>(static_cast<uint32_t>(data[at]) |
                                   (static_cast<uint32_t>(data[at + 1]) << 8) |
                                   (static_cast<uint32_t>(data[at + 2]) << 16) |
                                   (static_cast<uint32_t>(data[at + 3]) << 24));
    channels[slot % 2][slot / 2] = value;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t settings = data[0];
  // A fresh state each time, made in the same place: a new one would cost the pages of a
  // megabyte for every input.
  static auto* storage = static_cast<ViewState*>(::operator new(sizeof(ViewState)));
  ViewState* state = std::construct_at(storage);
  state->spectrumCompression = static_cast<uint8_t>(settings % 3);
  state->integrationEnabled = (settings >> 2) & 1;
  const uint8_t depths[4] = {1, 3, 5, 1};
  state->integrationDepth = depths[(settings >> 3) & 3];
  FillChannels(*state, data + 1, size - 1, (settings & 0x20) != 0);

  constexpr int kAnalyses[4] = {1, 1, 2, 4};
  const int analyses = kAnalyses[(settings >> 6) & 3];
  for (int run = 0; run < analyses; ++run) AnalyseSpectrumOf(*state, static_cast<uint8_t>(1 + run % 2));
  const bool captured = (settings & 0x20) == 0;
  const SpectrumResultArrays& result = state->spectrum;
  for (int c = 0; c < 2; ++c)
    for (int k = 0; k < kSpectrumBins; ++k) {
      const int64_t integrated = result.integratedSpectrum[c][k];
      const int64_t display = result.displaySpectrum[c][k];
      Check((display < 0 ? -display : display) <= (integrated < 0 ? -integrated : integrated));
      if (k <= 3 || k >= 66) Check(integrated == 0);
      if (!captured) continue;
      Check(integrated >= 0);
      Check(display >= 0);
      if (state->spectrumCompression == 2) Check(display < 512);
    }
  const int32_t* bins = state->spectrumWork.spectrumBins;
  // Equal before the weighting, which then favours the lower bin.
  if (captured) Check(bins[62] >= bins[63]);
  std::destroy_at(state);
  return 0;
}
