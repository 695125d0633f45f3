#include <gtest/gtest.h>

#include <vector>

#include "analyser/document/sylvarine_doc.h"

namespace {

int32_t ValueAt(const std::vector<uint8_t>& bytes, std::size_t index) {
  const std::size_t o = index * 4;
  return static_cast<int32_t>(static_cast<uint32_t>(bytes[o]) |
                              (static_cast<uint32_t>(bytes[o + 1]) << 8) |
                              (static_cast<uint32_t>(bytes[o + 2]) << 16) |
                              (static_cast<uint32_t>(bytes[o + 3]) << 24));
}

TEST(Snapshot, NewDocumentStoresAZeroFileOfTheExactSize) {
  auto doc = std::make_unique<CSylvarineDoc>();
  doc->Block().rightSamples[7] = 99;
  doc->OnNewDocument();
  std::vector<uint8_t> bytes(kSnapshotBytes, 0xAA);
  doc->StoreSnapshot(bytes.data());
  EXPECT_EQ(bytes.size(), 64176u);
  for (uint8_t b : bytes) ASSERT_EQ(b, 0);
}

TEST(Snapshot, FileOrderIsRightLeftSumDifferenceLittleEndian) {
  auto doc = std::make_unique<CSylvarineDoc>();
  SampleBlock& b = doc->Block();
  b.rightSamples[0] = 1;
  b.leftSamples[0] = 2;
  b.sumSamples[0] = 3;
  b.differenceSamples[4010] = -2;
  b.rightSamples[4011] = 77;  // not significant: never written
  std::vector<uint8_t> bytes(kSnapshotBytes);
  doc->StoreSnapshot(bytes.data());
  EXPECT_EQ(ValueAt(bytes, 0), 1);
  EXPECT_EQ(ValueAt(bytes, 4011), 2);
  EXPECT_EQ(ValueAt(bytes, 8022), 3);
  EXPECT_EQ(ValueAt(bytes, 16043), -2);
  EXPECT_EQ(bytes[64172], 0xFE);
  EXPECT_EQ(bytes[64175], 0xFF);
  EXPECT_EQ(ValueAt(bytes, 4010), 0);
}

TEST(Snapshot, RoundTripKeepsEveryValueAndMarksTheLoad) {
  auto doc = std::make_unique<CSylvarineDoc>();
  for (int k = 0; k < kSignificantSamples; ++k) {
    doc->Block().rightSamples[k] = k * 3 - 7000;
    doc->Block().leftSamples[k] = -k;
    doc->Block().sumSamples[k] = k * 500003;
    doc->Block().differenceSamples[k] = INT32_MIN + k;
  }
  std::vector<uint8_t> bytes(kSnapshotBytes);
  doc->StoreSnapshot(bytes.data());
  auto loaded = std::make_unique<CSylvarineDoc>();
  ASSERT_EQ(loaded->LoadSnapshot(bytes.data(), bytes.size()), SnapshotLoadResult::Loaded);
  EXPECT_EQ(loaded->loadedFromFile, 1);
  for (int k = 0; k < kSignificantSamples; ++k) {
    ASSERT_EQ(loaded->Block().rightSamples[k], k * 3 - 7000);
    ASSERT_EQ(loaded->Block().leftSamples[k], -k);
    ASSERT_EQ(loaded->Block().sumSamples[k], k * 500003);
    ASSERT_EQ(loaded->Block().differenceSamples[k], INT32_MIN + k);
  }
}

TEST(Snapshot, ShortFileIsRefusedAndChangesNothing) {
  auto doc = std::make_unique<CSylvarineDoc>();
  doc->Block().leftSamples[10] = 42;
  std::vector<uint8_t> bytes(kSnapshotBytes - 1, 0x11);
  EXPECT_EQ(doc->LoadSnapshot(bytes.data(), bytes.size()), SnapshotLoadResult::TooShort);
  EXPECT_EQ(doc->loadedFromFile, 0);
  EXPECT_EQ(doc->Block().leftSamples[10], 42);
  EXPECT_EQ(doc->LoadSnapshot(nullptr, 0), SnapshotLoadResult::TooShort);
}

TEST(Snapshot, LongerFileReadsOnlyTheFirstBlock) {
  auto doc = std::make_unique<CSylvarineDoc>();
  std::vector<uint8_t> bytes(kSnapshotBytes + 100, 0);
  bytes[0] = 5;
  bytes[kSnapshotBytes] = 9;
  ASSERT_EQ(doc->LoadSnapshot(bytes.data(), bytes.size()), SnapshotLoadResult::Loaded);
  EXPECT_EQ(doc->Block().rightSamples[0], 5);
}

TEST(Snapshot, InconsistentSumIsKeptAsStored) {
  auto doc = std::make_unique<CSylvarineDoc>();
  std::vector<uint8_t> bytes(kSnapshotBytes, 0);
  bytes[8022 * 4] = 100;  // sum[0] = 100 while both channels are 0
  ASSERT_EQ(doc->LoadSnapshot(bytes.data(), bytes.size()), SnapshotLoadResult::Loaded);
  EXPECT_EQ(doc->Block().sumSamples[0], 100);
}

TEST(Snapshot, BlockCopiesStopAtTheLastSignificantIndex) {
  auto doc = std::make_unique<CSylvarineDoc>();
  auto working = std::make_unique<SampleBlock>();
  working->rightSamples[4010] = 8;
  working->rightSamples[4011] = 9;
  doc->AcceptBlock(*working);
  EXPECT_EQ(doc->Block().rightSamples[4010], 8);
  EXPECT_EQ(doc->Block().rightSamples[4011], 0);
  auto back = std::make_unique<SampleBlock>();
  doc->ProvideBlock(*back);
  EXPECT_EQ(back->rightSamples[4010], 8);
  EXPECT_EQ(back->rightSamples[4011], 0);
}

}  // namespace
