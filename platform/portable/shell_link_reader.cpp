#include "platform/portable/shell_link_reader.h"

#include "platform/portable/text_encoding.h"

namespace {

constexpr std::size_t kHeaderSize = 76;
constexpr uint32_t kHasItemList = 0x01;
constexpr uint8_t kMyComputerType = 0x1F;

uint32_t Read16(std::span<const uint8_t> bytes, std::size_t at) {
  return static_cast<uint32_t>(bytes[at] | (bytes[at + 1] << 8));
}

// The NUL-terminated text at `at`, within `end`.
std::optional<std::string> TextAt(std::span<const uint8_t> bytes, std::size_t at, std::size_t end) {
  std::string text;
  for (std::size_t i = at; i < end; ++i) {
    if (bytes[i] == 0) return text;
    text += static_cast<char>(bytes[i]);
  }
  return std::nullopt;
}

// A drive item names its root as a letter, a colon and a backslash: "C:\".
bool IsDrivePath(const std::string& text) {
  const auto letter = static_cast<unsigned char>(text.empty() ? 0 : text[0]);
  return text.size() == 3 && ((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z')) &&
         text[1] == ':' && text[2] == '\\';
}

}  // namespace

std::optional<std::string> ShellLinkTarget(std::span<const uint8_t> bytes) {
  if (bytes.size() < kHeaderSize + 2 || Read16(bytes, 0) != kHeaderSize) return std::nullopt;
  if ((bytes[20] & kHasItemList) == 0) return std::nullopt;
  const std::size_t listEnd = kHeaderSize + 2 + Read16(bytes, kHeaderSize);
  if (listEnd > bytes.size()) return std::nullopt;
  std::string path;
  bool haveDrive = false;
  for (std::size_t at = kHeaderSize + 2; at + 2 <= listEnd;) {
    const std::size_t size = Read16(bytes, at);
    if (size == 0) break;  // the terminator
    if (size < 3 || at + size > listEnd) return std::nullopt;
    const uint8_t type = bytes[at + 2];
    const std::size_t itemEnd = at + size;
    if (type == kMyComputerType) {
      // nothing of the path
    } else if ((type & 0x70) == 0x20) {  // a drive: its text, "C:\"
      auto drive = TextAt(bytes, at + 3, itemEnd);
      if (!drive || !IsDrivePath(*drive)) return std::nullopt;
      path = *drive;
      haveDrive = true;
    } else if ((type & 0x70) == 0x30 && haveDrive && size > 14) {  // a folder or a file
      auto name = TextAt(bytes, at + 14, itemEnd);
      if (!name || name->empty()) return std::nullopt;
      if (path.back() != '\\') path += '\\';
      path += *name;
    } else {
      return std::nullopt;
    }
    at = itemEnd;
  }
  if (!haveDrive) return std::nullopt;
  return Cp1252ToUtf8(path);
}
