#include "installer/operations/runtime_patch.h"

#include <cstring>

namespace RuntimePatch {

namespace {

bool Replace(uint8_t* data, std::size_t length, std::size_t at, std::string_view from,
             std::string_view to) {
  if (length - at < from.size() || std::memcmp(data + at, from.data(), from.size()) != 0)
    return false;
  std::memcpy(data + at, to.data(), to.size());
  return true;
}

}  // namespace

bool AppliesTo(std::string_view targetName) {
  return targetName.ends_with(".exe") || targetName.ends_with(".EXE");
}

void Apply(uint8_t* data, std::size_t length) {
  for (std::size_t at = 0; at < length; ++at) {
    if (data[at] != 'M') continue;
    if (!Replace(data, length, at, "MFC42", "RAVEZ")) Replace(data, length, at, "MSVCRT", "DUDUDO");
  }
}

}  // namespace RuntimePatch
