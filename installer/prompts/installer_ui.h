#pragma once
// What the installer's window offers its core. The Qt shell implements it;
// tests replace it with a recording double.
#include <string>
#include <string_view>

#include "platform/message_box.h"

enum class DestinationAnswer { Ok, Cancel, Other };

class IInstallerUi {
 public:
  virtual ~IInstallerUi() = default;
  // Paints the window at once, synchronously, with the view's current status text.
  virtual void PaintNow() = 0;
  // Modal box captioned "Corvane..."; Yes/No boxes carry a question icon, Yes is default.
  virtual MessageAnswer ShowMessageBox(std::string_view text, MessageButtons buttons) = 0;
  // The destination dialog: `destination` holds the proposal and, after Ok, the answer.
  virtual DestinationAnswer AskDestination(std::string_view prompt, std::string& destination) = 0;
};
