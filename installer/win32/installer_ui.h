#pragma once
// What the installer's core asks of its window, on Win32: the status line painted at
// once, message boxes and the destination prompt, each also told on standard error.
#include <windows.h>

#include "installer/prompts/installer_ui.h"
#include "installer/win32/corvane_window.h"
#include "shell_win32/message_box.h"

class Win32InstallerUi : public IInstallerUi {
 public:
  Win32InstallerUi(HINSTANCE instance, CorvaneWindow& window)
      : instance_(instance), window_(window) {}

  void PaintNow() override;
  MessageAnswer ShowMessageBox(std::string_view text, MessageButtons buttons) override;
  DestinationAnswer AskDestination(std::string_view prompt, std::string& destination) override;

 private:
  HINSTANCE instance_;
  CorvaneWindow& window_;
  ShellWin32::MessageBoxes boxes_;
};
