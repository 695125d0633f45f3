// The desktop's reading of shortcut files on arbitrary bytes: it must never read past
// them, and a target it finds is a drive path ("X:\...").
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/portable/shell_link_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const auto target = ShellLinkTarget(std::span<const uint8_t>(data, size));
  // The promise: a target is a drive path, a letter, ":" and "\" before anything else.
  const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (target && (target->size() < 3 || !isLetter((*target)[0]) || (*target)[1] != ':' ||
                 (*target)[2] != '\\'))
    std::abort();
  return 0;
}
