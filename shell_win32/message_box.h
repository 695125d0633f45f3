#pragma once
// The cores' message boxes on MessageBoxW: modal, one OK button (or Yes and No), the
// text also on standard error as "message: <text>".
#include <windows.h>

#include "platform/message_box.h"

namespace ShellWin32 {

class MessageBoxes : public IMessageBox {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                            MessageButtons buttons, bool ownedByWindow) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace ShellWin32
