#pragma once
// Shell shortcut (.lnk) files composed byte by byte: a 76-byte header, then an
// item list describing the target by its long and short (8.3) names.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/machine.h"

class CShortcutWriter {
 public:
  static constexpr std::size_t kMaxComponents = 10;
  static constexpr std::size_t kMaxShortPath = 260;

  explicit CShortcutWriter(IMachine& machine) : machine_(machine) {}

  // Writes `linkPath`, a shortcut to `targetLongPath` (its letter case as typed).
  // False, with nothing written, when the target does not exist, its short path
  // is not on a drive letter, or the link file cannot be written.
  bool WriteShortcutFile(const std::string& linkPath, const std::string& targetLongPath);

  // The file's bytes for a target whose short path is `shortPath`; nothing when
  // the short path has no drive ("X:\") or a size does not fit its 16-bit field.
  static std::optional<std::vector<uint8_t>> ComposeShortcut(std::string_view longPath,
                                                             std::string_view shortPath);

 private:
  IMachine& machine_;
};

// The same as CShortcutWriter(machine).WriteShortcutFile(linkPath, targetLongPath).
bool WriteShortcutFile(IMachine& machine, const std::string& linkPath,
                       const std::string& targetLongPath);
