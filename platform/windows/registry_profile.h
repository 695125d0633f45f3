#pragma once
// The per-user profile in the registry: section S of the program's profile is the key
// HKEY_CURRENT_USER\Software\<company>\<program>\S, each entry a REG_DWORD value.
#include <string>
#include <string_view>

#include "platform/profile.h"

class RegistryProfile : public IProfile {
 public:
  RegistryProfile(std::string_view company, std::string_view program);

  // The default when the entry is missing or is not a REG_DWORD.
  int32_t ReadProfileInt(std::string_view section, std::string_view key,
                         int32_t defaultValue) override;
  bool WriteProfileInt(std::string_view section, std::string_view key, int32_t value) override;

 private:
  std::wstring SectionKey(std::string_view section) const;

  std::wstring programKey_;
};
