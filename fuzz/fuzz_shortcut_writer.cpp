// Any long and short path texts, of any length, must compose a well-formed shell link
// or nothing. The input is the long path, a zero byte, then the short path; without a
// zero byte the first byte says where the long path ends.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "installer/operations/shortcut_writer.h"

namespace {

uint32_t Read16(const std::vector<uint8_t>& bytes, size_t at) {
  if (at + 2 > bytes.size()) __builtin_trap();
  return bytes[at] | bytes[at + 1] << 8;
}

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at) {
  return Read16(bytes, at) | Read16(bytes, at + 2) << 16;
}

// The published layout: a 76-byte header, then the item list (its size, then items each
// starting with their own size, up to a zero terminator at exactly that size), inside
// the file.
void CheckShellLink(const std::vector<uint8_t>& link) {
  if (link.size() < 76 || Read32(link, 0) != 0x4C) __builtin_trap();
  const size_t listSize = Read16(link, 76);
  const size_t listEnd = 78 + listSize;
  if (listSize < 2 || listEnd > link.size()) __builtin_trap();
  size_t at = 78;
  for (uint32_t itemSize = Read16(link, at); itemSize != 0; itemSize = Read16(link, at)) {
    at += itemSize;
    if (at + 2 > listEnd) __builtin_trap();
  }
  if (at + 2 != listEnd) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string_view longPath, shortPath;
  if (const size_t zero = input.find('\0'); zero != std::string_view::npos) {
    longPath = input.substr(0, zero);
    shortPath = input.substr(zero + 1);
  } else if (size > 0) {
    const size_t split = std::min<size_t>(data[0], size - 1);
    longPath = input.substr(1, split);
    shortPath = input.substr(1 + split);
  }
  const std::optional<std::vector<uint8_t>> link =
      CShortcutWriter::ComposeShortcut(longPath, shortPath);
  if (link) CheckShellLink(*link);
  return 0;
}
