// The collect step's conversion of one 8000-byte buffer into the four arrays.
#include <benchmark/benchmark.h>

#include <memory>

#include "analyser/capture/capture_engine.h"
#include "analyser/capture/trigger_search.h"

namespace {

void BM_ConvertCaptureBuffer(benchmark::State& bench) {
  auto state = std::make_unique<ViewState>();
  for (int i = 0; i < kCaptureBufferBytes; ++i)
    state->captureBuffer[i] = static_cast<uint8_t>(i * 37 + 11);
  for (auto _ : bench) {
    ConvertCaptureBuffer(*state);
    benchmark::DoNotOptimize(state->samples.sumSamples[3999]);
    benchmark::ClobberMemory();
  }
  bench.SetBytesProcessed(static_cast<int64_t>(bench.iterations()) * kCaptureBufferBytes);
}
BENCHMARK(BM_ConvertCaptureBuffer);

void BM_FindTriggerWithoutCrossing(benchmark::State& bench) {
  auto state = std::make_unique<ViewState>();  // all zero: the whole window is examined
  for (auto _ : bench) benchmark::DoNotOptimize(FindTrigger(state->samples.sumSamples));
}
BENCHMARK(BM_FindTriggerWithoutCrossing);

}  // namespace
