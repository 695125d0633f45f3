#pragma once
// What a window offers the core: timers, invalidation and message boxes.
// The Qt shell implements these; tests replace them with recording doubles.
#include <cstdint>
#include <string_view>

#include "platform/geometry.h"

class ITimerService {
 public:
  virtual ~ITimerService() = default;
  // Arms (or re-arms) the timer `id` to fire once every `periodMs`.
  virtual void SetTimer(uint32_t id, uint32_t periodMs) = 0;
  virtual void KillTimer(uint32_t id) = 0;
};

class IInvalidation {
 public:
  virtual ~IInvalidation() = default;
  // `area` in logical units of the screen mapping; nullptr means the whole view.
  virtual void Invalidate(const Rect* area, bool eraseBackground) = 0;
};

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

// Starts a program with an argument list, never through a shell.
class IProgramStarter {
 public:
  virtual ~IProgramStarter() = default;
  // Returns true when the program was started.
  virtual bool StartProgram(std::string_view program, const std::string_view* arguments,
                            int argumentCount) = 0;
};
