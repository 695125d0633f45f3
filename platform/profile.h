#pragma once
// The per-user profile: integer values in named sections.
#include <cstdint>
#include <string_view>

class IProfile {
 public:
  virtual ~IProfile() = default;
  virtual int32_t ReadProfileInt(std::string_view section, std::string_view key,
                                 int32_t defaultValue) = 0;
  virtual bool WriteProfileInt(std::string_view section, std::string_view key,
                               int32_t value) = 0;
};
