#include "analyser/spectrum/analyse_spectrum.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <iterator>

#include "analyser/spectrum/wrapping_arithmetic.h"

namespace {

constexpr int kLastSlot = kSampleSlots - 1;  // 4019: a scan reaching it finds no period
constexpr int kHistogramDivisor = 10;
constexpr int kWeightingPasses = 5;
constexpr int kWeightingDivisor = 75;
constexpr int32_t kCompressionSpan = 256;

void BuildRangeTables(SpectrumWorkingArrays& work) {
  std::copy(work.workingSamples, work.workingSamples + kSampleSlots, work.rangeMax[0]);
  std::copy(work.workingSamples, work.workingSamples + kSampleSlots, work.rangeMin[0]);
  for (int level = 1; level < kRangeLevels; ++level) {
    const int half = 1 << (level - 1);
    for (int k = 0; k + 2 * half <= kSampleSlots; ++k) {
      work.rangeMax[level][k] =
          std::max(work.rangeMax[level - 1][k], work.rangeMax[level - 1][k + half]);
      work.rangeMin[level][k] =
          std::min(work.rangeMin[level - 1][k], work.rangeMin[level - 1][k + half]);
    }
  }
}

// First index from `start` on whose sample is above `level` (Above) or below it (Below),
// or kSampleSlots when there is none: skips the largest blocks that stay on the near side.
template <bool Above>
int FirstBeyond(const SpectrumWorkingArrays& work, int start, int32_t level) {
  int k = start;
  for (int l = kRangeLevels - 1; l >= 0; --l) {
    const int span = 1 << l;
    if (k + span > kSampleSlots) continue;
    const bool staysNear = Above ? work.rangeMax[l][k] <= level : work.rangeMin[l][k] >= level;
    if (staysNear) k += span;
  }
  return k;
}

// Maximum minus minimum of x[first..last]; a swing beyond 32 bits wraps.
int32_t SwingOver(const SpectrumWorkingArrays& work, int first, int last) {
  const int level = static_cast<int>(std::bit_width(static_cast<unsigned>(last - first + 1))) - 1;
  const int second = last + 1 - (1 << level);
  const int32_t high = std::max(work.rangeMax[level][first], work.rangeMax[level][second]);
  const int32_t low = std::min(work.rangeMin[level][first], work.rangeMin[level][second]);
  return WrappingSubtract(high, low);
}

// Start i at level v, rising: phase A stays at or above v and ends before the first sample
// below it (index a); phase B stays at or below v and ends before the first sample above it
// (index b). The period is i .. b-1; a scan that would reach the last slot finds none, which
// is the case exactly when b lies past it. Falling starts mirror this.
int32_t MeasurePeriod(const SpectrumWorkingArrays& work, int i, int32_t& swing) {
  const int32_t* x = work.workingSamples;
  const int32_t v = x[i];
  if (x[i + 2] == v) return 0;
  const bool rising = x[i + 2] > v;
  const int a = rising ? FirstBeyond<false>(work, i + 1, v) : FirstBeyond<true>(work, i + 1, v);
  if (a >= kLastSlot) return 0;
  const int b = rising ? FirstBeyond<true>(work, a + 1, v) : FirstBeyond<false>(work, a + 1, v);
  if (b > kLastSlot) return 0;
  swing = SwingOver(work, i, b - 1);
  return b - 1 - i;
}

void MeasureAllPeriods(SpectrumWorkingArrays& work) {
  BuildRangeTables(work);
  // The last start's look-ahead sample lies outside the block.
  for (int i = 0; i < kLastSlot - 1; ++i) {
    int32_t swing = 0;
    work.periodLength[i] = MeasurePeriod(work, i, swing);
    work.peakToPeak[i] = work.periodLength[i] != 0 ? swing : 0;
  }
  work.periodLength[kLastSlot - 1] = 0;
  work.peakToPeak[kLastSlot - 1] = 0;
}

void BuildHistogram(SpectrumWorkingArrays& work) {
  std::fill(std::begin(work.periodHistogram), std::end(work.periodHistogram), 0);
  for (int i = 0; i < kLastSlot; ++i) {
    if (work.periodLength[i] == 0) continue;
    int32_t& entry = work.periodHistogram[work.periodLength[i]];
    entry = WrappingAdd(entry, work.peakToPeak[i]);
  }
  for (int32_t& entry : work.periodHistogram) entry /= kHistogramDivisor;
}

void FoldIntoBins(SpectrumWorkingArrays& work) {
  int32_t* bins = work.spectrumBins;
  std::fill(bins, bins + kSpectrumBins, 0);
  for (int g = 1; g <= 20; ++g) {
    int32_t hi = kBinBoundaries[g - 1];
    int32_t lo = kBinBoundaries[g];
    const int decades = g <= 4 ? 4 : 3;
    for (int d = 0; d < decades; ++d) {
      // Starts from the cleared bin: a range of wrapped, negative entries gives 0.
      int32_t largest = 0;
      for (int32_t k = lo + 1; k <= hi; ++k) largest = std::max(largest, work.periodHistogram[k]);
      bins[g + 20 * d] = largest;
      hi /= 10;
      lo /= 10;
    }
  }
  bins[1] = bins[2] = bins[3] = 0;  // below about 14 Hz
}

int32_t MeanOf(int32_t a, int32_t b) { return WrappingAdd(a, b) / 2; }

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
      bins[k] = WrappingMultiply(bins[k], 100 - k) / kWeightingDivisor;
}

void Integrate(const ViewState& state, const int32_t* bins, int32_t* integrated) {
  if (state.integrationEnabled != 1) {
    std::copy(bins, bins + kSpectrumBins, integrated);
    return;
  }
  // N is 1, 3 or 5 through the commands; a zero would otherwise divide by zero.
  const int32_t n = std::max<int32_t>(state.integrationDepth, 1);
  for (int k = 0; k < kSpectrumBins; ++k) {
    const int32_t old = integrated[k];
    integrated[k] = WrappingSubtract(WrappingAdd(old, bins[k] / n), old / (n + 1));
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
