#pragma once
// String values of the real registry in the stored form both programs share: written
// and read through the ANSI functions, the text in the ANSI code page, its data length
// without the terminating NUL. Each call returns 0 or the system's error code.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/machine.h"

// Fails with ERROR_MORE_DATA when the text and its NUL need more than `capacity` bytes.
uint32_t ReadRegistryText(RegistryRoot root, std::string_view key, std::string_view valueName,
                          std::size_t capacity, std::string& value);
// Creates the key as needed. A text the ANSI code page cannot hold, or one with a NUL
// that a reader would stop at, is refused and nothing is written.
uint32_t WriteRegistryText(RegistryRoot root, std::string_view key, std::string_view valueName,
                           std::string_view value);
// Deletes a key that has no subkeys.
uint32_t DeleteRegistryKeyNamed(RegistryRoot root, std::string_view key);
