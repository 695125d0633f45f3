#pragma once
// A modal message box whose text also goes to standard error as a "message" line.
#include <QWidget>
#include <functional>
#include <string_view>

#include "platform/message_box.h"

namespace ShellQt {

struct MessageBoxStyle {
  QWidget* owner = nullptr;  // none before a window exists
  // Texts that carry paths and script entries must never be taken for markup.
  bool plainText = false;
  // The first button (OK, or Yes) is the default rather than the one Qt picks.
  bool firstButtonDefault = false;
  // Moves the box before it is shown; empty leaves the placement to Qt.
  std::function<void(QWidget& box)> place;
};

MessageAnswer ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon,
                             MessageButtons buttons, const MessageBoxStyle& style);

}  // namespace ShellQt
