// Cost of one channel's spectrum analysis on typical blocks.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>

#include "analyser/spectrum/analyse_spectrum.h"

namespace {

std::unique_ptr<ViewState> StateAtStartUp() {
  auto state = std::make_unique<ViewState>();
  state->spectrumCompression = SpectrumCompression::Common;
  state->integrationEnabled = 1;
  state->integrationDepth = IntegrationDepth::Short;
  return state;
}

// Captured values are byte - 127: a sine of nearly full scale around the silence level 1.
void FillSine(int32_t* samples, double hertz) {
  for (int n = 0; n < kSignificantSamples; ++n)
    samples[n] =
        static_cast<int32_t>(std::lround(126.0 * std::sin(2.0 * M_PI * hertz * n / 44100.0))) + 1;
}

void RunAnalysis(benchmark::State& run, ViewState& state) {
  for (auto _ : run) {
    AnalyseSpectrumOf(state, 1);
    benchmark::DoNotOptimize(state.spectrum.displaySpectrum[0][0]);
  }
  run.SetLabel("one channel");
}

void BM_Silence(benchmark::State& run) {
  auto state = StateAtStartUp();
  for (int n = 0; n < kSignificantSamples; ++n) state->samples.rightSamples[n] = 1;
  RunAnalysis(run, *state);
}

void BM_Noise(benchmark::State& run) {
  auto state = StateAtStartUp();
  std::mt19937 random(3);
  std::uniform_int_distribution<int32_t> level(-127, 128);
  for (int n = 0; n < kSignificantSamples; ++n) state->samples.rightSamples[n] = level(random);
  RunAnalysis(run, *state);
}

void BM_Sine(benchmark::State& run) {
  auto state = StateAtStartUp();
  FillSine(state->samples.rightSamples, static_cast<double>(run.range(0)));
  RunAnalysis(run, *state);
}

}  // namespace

BENCHMARK(BM_Silence)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Noise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sine)->Arg(1000)->Arg(50)->Arg(20)->Arg(15)->Unit(benchmark::kMillisecond);
