#include "platform/windows/registry_values.h"

#include <windows.h>

#include <cstring>
#include <optional>

#include "platform/windows/wide_text.h"

namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// A key's name in the ANSI code page, without the separators a caller may end it with.
std::optional<std::string> AnsiKeyName(std::string_view key) {
  while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  return Utf8ToAnsi(key);
}

}  // namespace

uint32_t ReadRegistryText(RegistryRoot root, std::string_view key, std::string_view valueName,
                          std::size_t capacity, std::string& value) {
  const auto keyName = AnsiKeyName(key);
  const auto name = Utf8ToAnsi(valueName);
  if (!keyName || !name) return ERROR_FILE_NOT_FOUND;  // no such name can be stored
  HKEY opened = nullptr;
  LSTATUS rc = RegOpenKeyExA(RootKey(root), keyName->c_str(), 0, KEY_QUERY_VALUE, &opened);
  if (rc != ERROR_SUCCESS) return static_cast<uint32_t>(rc);
  // Zero-filled and one byte longer than what may be read, so the text always ends.
  std::string buffer(capacity + 1, '\0');
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(capacity);
  rc = RegQueryValueExA(opened, name->c_str(), nullptr, &type,
                        reinterpret_cast<BYTE*>(buffer.data()), &size);
  RegCloseKey(opened);
  if (rc != ERROR_SUCCESS) return static_cast<uint32_t>(rc);
  if (type != REG_SZ && type != REG_EXPAND_SZ) return ERROR_UNSUPPORTED_TYPE;
  buffer.resize(std::strlen(buffer.c_str()));
  if (buffer.size() + 1 > capacity) return ERROR_MORE_DATA;
  value = AnsiToUtf8(buffer);
  return ERROR_SUCCESS;
}

uint32_t WriteRegistryText(RegistryRoot root, std::string_view key, std::string_view valueName,
                           std::string_view value) {
  const auto keyName = AnsiKeyName(key);
  const auto name = Utf8ToAnsi(valueName);
  const auto text = Utf8ToAnsi(value);
  if (!keyName || !name || !text) return ERROR_NO_UNICODE_TRANSLATION;
  if (text->find('\0') != std::string::npos) return ERROR_INVALID_DATA;
  HKEY created = nullptr;
  LSTATUS rc = RegCreateKeyExA(RootKey(root), keyName->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                               KEY_ALL_ACCESS, nullptr, &created, nullptr);
  if (rc != ERROR_SUCCESS) return static_cast<uint32_t>(rc);
  rc = RegSetValueExA(created, name->c_str(), 0, REG_SZ,
                      reinterpret_cast<const BYTE*>(text->data()), static_cast<DWORD>(text->size()));
  RegCloseKey(created);
  return static_cast<uint32_t>(rc);
}

uint32_t DeleteRegistryKeyNamed(RegistryRoot root, std::string_view key) {
  const auto keyName = AnsiKeyName(key);
  if (!keyName) return ERROR_FILE_NOT_FOUND;
  return static_cast<uint32_t>(RegDeleteKeyA(RootKey(root), keyName->c_str()));
}
