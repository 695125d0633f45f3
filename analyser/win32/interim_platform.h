#pragma once
// Stand-ins until the Windows platform layer is part of the build: the profile on the
// registry key of the program, and a sound input that has no device.
#include <windows.h>

#include <string>

#include "analyser/state/application_title.h"
#include "platform/profile.h"
#include "platform/sound_input.h"
#include "shell_win32/wide_text.h"

class InterimRegistryProfile : public IProfile {
 public:
  int32_t GetProfileInt(std::string_view section, std::string_view key,
                        int32_t defaultValue) override {
    DWORD value = 0, size = sizeof value, type = 0;
    const std::wstring path = SectionKey(section);
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), Win32Text::Wide(key).c_str(), RRF_RT_REG_DWORD,
                     &type, &value, &size) != ERROR_SUCCESS)
      return defaultValue;
    return static_cast<int32_t>(value);
  }
  bool WriteProfileInt(std::string_view section, std::string_view key, int32_t value) override {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, SectionKey(section).c_str(), 0, nullptr, 0, KEY_WRITE,
                        nullptr, &handle, nullptr) != ERROR_SUCCESS)
      return false;
    const DWORD stored = static_cast<DWORD>(value);
    const bool written = RegSetValueExW(handle, Win32Text::Wide(key).c_str(), 0, REG_DWORD,
                                        reinterpret_cast<const BYTE*>(&stored), sizeof stored) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return written;
  }

 private:
  static std::wstring SectionKey(std::string_view section) {
    return Win32Text::Wide(std::string("Software\\") + kCompanyKey + "\\" + kApplicationTitle + "\\" +
                           std::string(section));
  }
};

class InterimNoSoundInput : public ISoundInput {
 public:
  int32_t Open(const WaveFormat&) override { return 2; }
  int32_t PrepareHeader(CaptureHeader&, uint32_t) override { return 5; }
  int32_t AddBuffer(CaptureHeader&, uint32_t) override { return 5; }
  int32_t Start() override { return 5; }
  int32_t Close() override { return 5; }
};
