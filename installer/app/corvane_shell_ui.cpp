#include "installer/app/corvane_shell_ui.h"

#include "installer/app/destination_dialog.h"
#include "installer/window/window_layout.h"
#include "shell_qt/conversions.h"
#include "shell_qt/message_box.h"
#include "shell_qt/shell_log.h"

void CorvaneShellUi::PaintNow() {
  ShellQt::LogLine("status", view_.StatusText());
  window_.ShowStatus(view_.StatusText());
}

MessageAnswer CorvaneShellUi::ShowMessageBox(std::string_view text, MessageButtons buttons) {
  const bool shown = window_.isVisible();
  ShellQt::MessageBoxStyle style;
  style.owner = shown ? &window_ : nullptr;
  style.plainText = true;  // texts carry paths and script entries
  style.firstButtonDefault = true;
  if (shown) style.place = [this](QWidget& box) { window_.PlaceAboveStatusLine(box); };
  return ShellQt::ShowMessageBox(
      text, InstallerWindow::MessageCaption,
      buttons == MessageButtons::YesNo ? MessageIcon::Question : MessageIcon::None, buttons, style);
}

DestinationAnswer CorvaneShellUi::AskDestination(std::string_view prompt,
                                                 std::string& destination) {
  ShellQt::LogLine("destination", destination);
  const bool shown = window_.isVisible();
  CDestinationDlg dialog(ShellQt::FromUtf8(prompt), ShellQt::FromUtf8(destination),
                         shown ? &window_ : nullptr);
  // The status line below names the product the prompt is for.
  if (shown) window_.PlaceAboveStatusLine(dialog);
  if (dialog.exec() != QDialog::Accepted) return DestinationAnswer::Cancel;
  destination = dialog.Destination().toStdString();
  return DestinationAnswer::Ok;
}
