#include "shell_win32/message_box.h"

#include "shell_qt/shell_log.h"
#include "platform/windows/wide_text.h"

namespace ShellWin32 {

namespace {

UINT IconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Warning:
      return MB_ICONEXCLAMATION;
    case MessageIcon::Question:
      return MB_ICONQUESTION;
    case MessageIcon::None:
      break;
  }
  return 0;
}

}  // namespace

MessageAnswer MessageBoxes::ShowMessage(std::string_view text, std::string_view caption,
                                        MessageIcon icon, MessageButtons buttons,
                                        bool ownedByWindow) {
  ShellQt::LogLine("message", text);
  const bool yesNo = buttons == MessageButtons::YesNo;
  HWND owner = ownedByWindow && owner_ != nullptr && IsWindow(owner_) ? owner_ : nullptr;
  // A box without an owner still comes to the front: no window of the program may hide it.
  const UINT style = (yesNo ? MB_YESNO : MB_OK) | IconStyle(icon) |
                     (owner != nullptr ? MB_APPLMODAL : MB_TASKMODAL | MB_SETFOREGROUND);
  const int pressed =
      MessageBoxW(owner, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), style);
  if (!yesNo) return MessageAnswer::Ok;
  return pressed == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace ShellWin32
