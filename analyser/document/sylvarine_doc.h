#pragma once
// The single document: the last captured or loaded block, and nothing else of substance.
#include <cstddef>
#include <cstdint>

#include "analyser/document/sample_block.h"

constexpr std::size_t kSnapshotBytes = 64176;  // 4 arrays x 4011 values x 4 bytes

enum class SnapshotLoadResult { Loaded, TooShort };

class CSylvarineDoc {
 public:
  // New: clears indices 0..4010 of the four arrays.
  void OnNewDocument();

  // Writes the block in file order (right, left, sum, difference) into `out`,
  // which must hold kSnapshotBytes.
  void StoreSnapshot(uint8_t* out) const;

  // Reads a snapshot. A file shorter than kSnapshotBytes is refused and leaves the
  // block and `loadedFromFile` untouched; bytes past kSnapshotBytes are ignored.
  SnapshotLoadResult LoadSnapshot(const uint8_t* bytes, std::size_t size);

  // Copies indices 0..4010 of a working block in, or out to the view.
  void AcceptBlock(const SampleBlock& working);
  void ProvideBlock(SampleBlock& working) const;

  const SampleBlock& Block() const { return block_; }
  SampleBlock& Block() { return block_; }

  int32_t loadedFromFile = 0;

 private:
  SampleBlock block_;
};
