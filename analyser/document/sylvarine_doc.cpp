#include "analyser/document/sylvarine_doc.h"

#include <algorithm>

namespace {

void PutLittleEndian(uint8_t* out, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  out[0] = static_cast<uint8_t>(bits);
  out[1] = static_cast<uint8_t>(bits >> 8);
  out[2] = static_cast<uint8_t>(bits >> 16);
  out[3] = static_cast<uint8_t>(bits >> 24);
}

int32_t GetLittleEndian(const uint8_t* in) {
  const uint32_t bits = static_cast<uint32_t>(in[0]) | (static_cast<uint32_t>(in[1]) << 8) |
                        (static_cast<uint32_t>(in[2]) << 16) |
                        (static_cast<uint32_t>(in[3]) << 24);
  return static_cast<int32_t>(bits);
}

// File order differs from member order: right, left, sum, difference.
template <typename Block, typename Fn>
void ForEachArrayInFileOrder(Block& block, Fn&& fn) {
  fn(block.rightSamples);
  fn(block.leftSamples);
  fn(block.sumSamples);
  fn(block.differenceSamples);
}

void CopySignificant(const SampleBlock& from, SampleBlock& to) {
  std::copy_n(from.rightSamples, kSignificantSamples, to.rightSamples);
  std::copy_n(from.leftSamples, kSignificantSamples, to.leftSamples);
  std::copy_n(from.sumSamples, kSignificantSamples, to.sumSamples);
  std::copy_n(from.differenceSamples, kSignificantSamples, to.differenceSamples);
}

}  // namespace

void CSylvarineDoc::OnNewDocument() {
  ForEachArrayInFileOrder(block_, [](int32_t* values) {
    std::fill_n(values, kSignificantSamples, 0);
  });
}

void CSylvarineDoc::StoreSnapshot(uint8_t* out) const {
  ForEachArrayInFileOrder(block_, [&out](const int32_t* values) {
    for (int k = 0; k < kSignificantSamples; ++k, out += 4) PutLittleEndian(out, values[k]);
  });
}

SnapshotLoadResult CSylvarineDoc::LoadSnapshot(const uint8_t* bytes, std::size_t size) {
  if (size < kSnapshotBytes) return SnapshotLoadResult::TooShort;
  loadedFromFile = 1;
  ForEachArrayInFileOrder(block_, [&bytes](int32_t* values) {
    for (int k = 0; k < kSignificantSamples; ++k, bytes += 4) values[k] = GetLittleEndian(bytes);
  });
  return SnapshotLoadResult::Loaded;
}

void CSylvarineDoc::AcceptBlock(const SampleBlock& working) { CopySignificant(working, block_); }

void CSylvarineDoc::ProvideBlock(SampleBlock& working) const { CopySignificant(block_, working); }
