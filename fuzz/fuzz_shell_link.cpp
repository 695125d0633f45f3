// The desktop's reading of shortcut files on arbitrary bytes: it must never read past
// them, and a target it finds is a drive path.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/portable/shell_link_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const auto target = ShellLinkTarget(std::span<const uint8_t>(data, size));
  if (target && (target->size() < 3 || (*target)[1] != ':')) std::abort();
  return 0;
}
