#include "installer/operations/shortcut_writer.h"

#include <array>

#include "platform/portable/text_encoding.h"
#include "platform/portable/windows_path.h"

namespace {

constexpr std::array<uint8_t, 76> kHeader = {
    0x4C, 0x00, 0x00, 0x00,                          // header size
    0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,  // shell-link class identifier
    0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46,  //
    0x0B, 0x00, 0x00, 0x00,                          // item list, link info, relative path
    0x20, 0x00, 0x00, 0x00};                         // archive; times and the rest stay zero

// MyComputerItem, then the size and type of the DriveItem.
constexpr std::array<uint8_t, 23> kListHead = {
    0x14, 0x00, 0x1F, 0x0F, 0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10,
    0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D, 0x19, 0x00, 0x23};

constexpr uint32_t kFixedListSize = 47;  // MyComputerItem 20, DriveItem 25, terminator 2
constexpr std::size_t kTrailingZeros = 50;

// Components below the drive, split the way the platform walks a path for its
// short form (either separator, empty components and "." skipped, ".." resolved),
// so that long and short names stay paired even for a target typed untidily.
std::vector<std::string> ComponentsBelowDrive(std::string_view path) {
  std::vector<std::string> components = ParseWindowsPath(path).components;
  if (components.size() > CShortcutWriter::kMaxComponents)
    components.resize(CShortcutWriter::kMaxComponents);
  return components;
}

void Append16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value & 0xFF));
  out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

void AppendText(std::vector<uint8_t>& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
  out.push_back(0);
}

}  // namespace

std::optional<std::vector<uint8_t>> CShortcutWriter::ComposeShortcut(std::string_view longPath,
                                                                     std::string_view shortPath) {
  if (shortPath.size() < 3 || shortPath[1] != ':' || shortPath[2] != '\\') return std::nullopt;
  // Names are written in the single-byte code page, as the shell reads them.
  const std::string drive = Utf8ToCp1252(shortPath.substr(0, 3));
  std::vector<std::string> longNames = ComponentsBelowDrive(longPath);
  std::vector<std::string> shortNames = ComponentsBelowDrive(shortPath);
  shortNames.resize(longNames.size());
  for (std::size_t i = 0; i < longNames.size(); ++i) {
    longNames[i] = Utf8ToCp1252(longNames[i]);
    shortNames[i] = Utf8ToCp1252(shortNames[i]);
  }

  uint32_t listSize = kFixedListSize;
  for (std::size_t i = 0; i < longNames.size(); ++i) {
    std::size_t itemSize = longNames[i].size() + shortNames[i].size() + 16;
    if (itemSize > 0xFFFF) return std::nullopt;
    listSize += static_cast<uint32_t>(itemSize);
  }
  if (listSize > 0xFFFF) return std::nullopt;

  std::vector<uint8_t> bytes(kHeader.begin(), kHeader.end());
  Append16(bytes, listSize);
  bytes.insert(bytes.end(), kListHead.begin(), kListHead.end());
  AppendText(bytes, drive);
  bytes.insert(bytes.end(), 18, 0);
  for (std::size_t i = 0; i < longNames.size(); ++i) {
    Append16(bytes, static_cast<uint32_t>(longNames[i].size() + shortNames[i].size() + 16));
    bool dotted = shortNames[i].find('.') != std::string_view::npos;
    bytes.push_back(dotted ? 0x32 : 0x31);
    bytes.insert(bytes.end(), 11, 0);  // a zero byte, then size, date, time, attributes
    AppendText(bytes, longNames[i]);
    AppendText(bytes, shortNames[i]);
  }
  bytes.insert(bytes.end(), kTrailingZeros, 0);
  return bytes;
}

bool CShortcutWriter::WriteShortcutFile(const std::string& linkPath,
                                        const std::string& targetLongPath) {
  std::string shortPath;
  if (!machine_.ShortPathName(targetLongPath, shortPath) || shortPath.size() >= kMaxShortPath)
    return false;
  auto bytes = ComposeShortcut(targetLongPath, shortPath);
  if (!bytes) return false;
  IMachine::FileHandle file = machine_.CreateForWriting(linkPath);
  if (file < 0) return false;
  bool written = machine_.WriteFile(file, bytes->data(), bytes->size());
  // After a failed write, closing discards the file instead of committing it.
  bool committed = machine_.CloseFile(file);
  return written && committed;
}

bool WriteShortcutFile(IMachine& machine, const std::string& linkPath,
                       const std::string& targetLongPath) {
  return CShortcutWriter(machine).WriteShortcutFile(linkPath, targetLongPath);
}
