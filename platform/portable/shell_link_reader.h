#pragma once
// What a desktop needs of a shell shortcut (.lnk): the path of its target, from
// the item list (My Computer, the drive, then one item per component).
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The target as a Windows path in UTF-8 ("C:\Program Files\x"); nothing when the
// bytes hold no item list with a drive.
std::optional<std::string> ShellLinkTarget(std::span<const uint8_t> bytes);
