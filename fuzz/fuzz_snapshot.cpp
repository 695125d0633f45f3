// Any bytes loaded as a snapshot must be refused or taken whole, never read past.
#include <cstdint>
#include <memory>
#include <vector>

#include "analyser/document/sylvarine_doc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto doc = std::make_unique<CSylvarineDoc>();
  if (doc->LoadSnapshot(data, size) == SnapshotLoadResult::Loaded) {
    std::vector<uint8_t> out(kSnapshotBytes);
    doc->StoreSnapshot(out.data());
    for (size_t i = 0; i < kSnapshotBytes; ++i)
      if (out[i] != data[i]) __builtin_trap();
  }
  return 0;
}
