#pragma once
// Modal message boxes: text, caption, icon and buttons; the answer is the button pressed.
#include <string_view>

enum class MessageIcon { None, Warning, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class IMessageBox {
 public:
  virtual ~IMessageBox() = default;
  // Texts are UTF-8. `ownedByWindow` is false for boxes shown before any window exists.
  virtual MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                                    MessageIcon icon, MessageButtons buttons,
                                    bool ownedByWindow) = 0;
};
