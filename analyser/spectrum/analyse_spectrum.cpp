#include "analyser/spectrum/analyse_spectrum.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "analyser/view/sylvarine_view.h"

namespace {

constexpr int kLastSlot = kSampleSlots - 1;  // 4019: a scan reaching it finds no period
constexpr int kHistogramDivisor = 10;
constexpr int kWeightingPasses = 5;
constexpr int kWeightingDivisor = 75;
constexpr int32_t kCompressionSpan = 256;

// Values a capture produces (-127..128) never come near these limits, so results for them
// are exactly the 32-bit formulas; a snapshot holding extreme values saturates instead of
// overflowing.
int32_t SaturateToInt32(int64_t value) {
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(std::clamp(value, kMin, kMax));
}

// Measures one start position: returns the period length (0 for none) and its swing.
// Rising and falling starts differ only in the direction of the comparisons, so each is
// written out: the phases then track only the extreme they can move.
int32_t MeasurePeriod(const int32_t* x, int i, int64_t& swing) {
  const int32_t v = x[i];
  const int32_t ahead = x[i + 2];
  if (ahead == v) return 0;
  int j = i;
  int32_t low = v;
  int32_t high = v;
  if (ahead > v) {
    while (x[j + 1] >= v) {  // phase A: stays at or above the level
      high = std::max(high, x[++j]);
      if (j == kLastSlot) return 0;
    }
    while (x[j + 1] <= v) {  // phase B: back at or below it
      low = std::min(low, x[++j]);
      if (j == kLastSlot) return 0;
    }
  } else {
    while (x[j + 1] <= v) {
      low = std::min(low, x[++j]);
      if (j == kLastSlot) return 0;
    }
    while (x[j + 1] >= v) {
      high = std::max(high, x[++j]);
      if (j == kLastSlot) return 0;
    }
  }
  swing = static_cast<int64_t>(high) - static_cast<int64_t>(low);
  return j - i;
}

void MeasureAllPeriods(SpectrumWorkingArrays& work) {
  const int32_t* x = work.workingSamples;
  // The last start's look-ahead sample lies outside the block.
  for (int i = 0; i < kLastSlot - 1; ++i) {
    int64_t swing = 0;
    work.periodLength[i] = MeasurePeriod(x, i, swing);
    work.peakToPeak[i] = work.periodLength[i] != 0 ? swing : 0;
  }
  work.periodLength[kLastSlot - 1] = 0;
  work.peakToPeak[kLastSlot - 1] = 0;
}

void BuildHistogram(SpectrumWorkingArrays& work) {
  std::fill(std::begin(work.periodHistogram), std::end(work.periodHistogram), int64_t{0});
  for (int i = 0; i < kLastSlot; ++i)
    if (work.periodLength[i] != 0) work.periodHistogram[work.periodLength[i]] += work.peakToPeak[i];
  for (int64_t& entry : work.periodHistogram) entry /= kHistogramDivisor;
}

void FoldIntoBins(SpectrumWorkingArrays& work) {
  int32_t* bins = work.spectrumBins;
  std::fill(bins, bins + kSpectrumBins, 0);
  for (int g = 1; g <= 20; ++g) {
    int32_t hi = kBinBoundaries[g - 1];
    int32_t lo = kBinBoundaries[g];
    const int decades = g <= 4 ? 4 : 3;
    for (int d = 0; d < decades; ++d) {
      int64_t largest = 0;
      for (int32_t k = lo + 1; k <= hi; ++k) largest = std::max(largest, work.periodHistogram[k]);
      bins[g + 20 * d] = SaturateToInt32(largest);
      hi /= 10;
      lo /= 10;
    }
  }
  bins[1] = bins[2] = bins[3] = 0;  // below about 14 Hz
}

int32_t MeanOf(int32_t a, int32_t b) {
  return SaturateToInt32((static_cast<int64_t>(a) + static_cast<int64_t>(b)) / 2);
}

void FillEmptyBins(int32_t* bins) {
  bins[56] = MeanOf(bins[55], bins[57]);
  bins[60] = MeanOf(bins[59], bins[61]);
  bins[63] = MeanOf(bins[61], bins[64]);
  bins[62] = bins[63];
  bins[65] = MeanOf(bins[64], bins[66]);
}

void WeightFrequencies(int32_t* bins) {
  for (int pass = 0; pass < kWeightingPasses; ++pass)
    for (int k = 0; k < kSpectrumBins; ++k)
      bins[k] = SaturateToInt32(static_cast<int64_t>(bins[k]) * (100 - k) / kWeightingDivisor);
}

void Integrate(const ViewState& state, const int32_t* bins, int32_t* integrated) {
  if (state.integrationEnabled != 1) {
    std::copy(bins, bins + kSpectrumBins, integrated);
    return;
  }
  // N is 1, 3 or 5 through the commands; a zero would otherwise divide by zero.
  const int64_t n = std::max<int64_t>(state.integrationDepth, 1);
  for (int k = 0; k < kSpectrumBins; ++k) {
    const int64_t old = integrated[k];
    integrated[k] = SaturateToInt32(old + bins[k] / n - old / (n + 1));
  }
}

int32_t LargestOf(const int32_t* values) {
  int32_t largest = 0;
  for (int k = 0; k < kSpectrumBins; ++k) largest = std::max(largest, values[k]);
  return largest;
}

void Compress(ViewState& state, int index) {
  const int32_t* integrated = state.spectrum.integratedSpectrum[index];
  int32_t* display = state.spectrum.displaySpectrum[index];
  if (state.spectrumCompression == SpectrumCompression::Off) {
    std::copy(integrated, integrated + kSpectrumBins, display);
    return;
  }
  int32_t largest = LargestOf(integrated);
  if (state.spectrumCompression == SpectrumCompression::Common)
    largest = std::max(largest, LargestOf(state.spectrum.integratedSpectrum[1 - index]));
  const int32_t divisor = std::max(largest / kCompressionSpan, int32_t{1});
  for (int k = 0; k < kSpectrumBins; ++k) display[k] = integrated[k] / divisor;
}

}  // namespace

void AnalyseSpectrumOf(ViewState& state, uint8_t channel) {
  if (channel != 1 && channel != 2) return;
  const int index = channel - 1;
  SpectrumWorkingArrays& work = state.spectrumWork;
  const int32_t* source = channel == 1 ? state.samples.rightSamples : state.samples.leftSamples;
  std::copy(source, source + kSampleSlots, work.workingSamples);

  MeasureAllPeriods(work);
  BuildHistogram(work);
  FoldIntoBins(work);
  FillEmptyBins(work.spectrumBins);
  WeightFrequencies(work.spectrumBins);
  Integrate(state, work.spectrumBins, state.spectrum.integratedSpectrum[index]);
  Compress(state, index);
}

void CSylvarineView::AnalyseSpectrum(uint8_t channel) { AnalyseSpectrumOf(*state_, channel); }
