#include "platform/windows/registry_profile.h"

#include <windows.h>

#include "platform/windows/wide_text.h"

RegistryProfile::RegistryProfile(std::string_view company, std::string_view program)
    : programKey_(L"Software\\" + Utf8ToWide(company) + L"\\" + Utf8ToWide(program)) {}

std::wstring RegistryProfile::SectionKey(std::string_view section) const {
  return programKey_ + L"\\" + Utf8ToWide(section);
}

int32_t RegistryProfile::ReadProfileInt(std::string_view section, std::string_view key,
                                        int32_t defaultValue) {
  DWORD value = 0;
  DWORD size = sizeof value;
  const LSTATUS rc = RegGetValueW(HKEY_CURRENT_USER, SectionKey(section).c_str(),
                                  Utf8ToWide(key).c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size);
  return rc == ERROR_SUCCESS ? static_cast<int32_t>(value) : defaultValue;
}

bool RegistryProfile::WriteProfileInt(std::string_view section, std::string_view key,
                                      int32_t value) {
  const auto stored = static_cast<DWORD>(value);
  return RegSetKeyValueW(HKEY_CURRENT_USER, SectionKey(section).c_str(), Utf8ToWide(key).c_str(),
                         REG_DWORD, &stored, sizeof stored) == ERROR_SUCCESS;
}
