#include "shell_qt/message_box.h"

#include <QMessageBox>

#include "shell_qt/conversions.h"
#include "shell_qt/shell_log.h"

namespace ShellQt {

namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon,
                             MessageButtons buttons, const MessageBoxStyle& style) {
  LogLine("message", text);
  const bool yesNo = buttons == MessageButtons::YesNo;
  QMessageBox box(QtIcon(icon), FromUtf8(caption), FromUtf8(text),
                  yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, style.owner);
  if (style.plainText) box.setTextFormat(Qt::PlainText);
  if (style.firstButtonDefault) box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
  if (style.place) style.place(box);
  const int pressed = box.exec();
  if (!yesNo) return MessageAnswer::Ok;
  return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace ShellQt
