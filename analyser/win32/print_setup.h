#pragma once
// The printer and page the person chose, kept for the next print as the framework keeps
// them: the global memory blocks the common dialogs hand over and take back.
#include <windows.h>

struct PrintSetupState {
  PrintSetupState() = default;
  ~PrintSetupState() {
    if (devMode != nullptr) GlobalFree(devMode);
    if (devNames != nullptr) GlobalFree(devNames);
  }
  PrintSetupState(const PrintSetupState&) = delete;
  PrintSetupState& operator=(const PrintSetupState&) = delete;

  HGLOBAL devMode = nullptr;
  HGLOBAL devNames = nullptr;
};
