#include "installer/win32/installer_ui.h"

#include <optional>

#include "installer/win32/box_placement.h"
#include "installer/win32/destination_dialog.h"
#include "installer/window/window_layout.h"
#include "shell_qt/shell_log.h"

void Win32InstallerUi::PaintNow() {
  ShellQt::LogLine("status", window_.StatusText());
  window_.PaintStatusNow();
}

MessageAnswer Win32InstallerUi::ShowMessageBox(std::string_view text, MessageButtons buttons) {
  const bool shown = window_.IsShown();
  boxes_.SetOwner(shown ? window_.Handle() : nullptr);
  std::optional<NextBoxAboveStatusLine> placement;
  if (shown) placement.emplace(window_.Handle());
  return boxes_.ShowMessage(
      text, InstallerWindow::MessageCaption,
      buttons == MessageButtons::YesNo ? MessageIcon::Question : MessageIcon::None, buttons, shown);
}

DestinationAnswer Win32InstallerUi::AskDestination(std::string_view prompt,
                                                   std::string& destination) {
  ShellQt::LogLine("destination", destination);
  return AskDestinationDialog(instance_, window_.IsShown() ? window_.Handle() : nullptr, prompt,
                              destination);
}
