#pragma once
// Window timers, as a window offers them to the core. The Qt shell implements this;
// tests replace it with a recording double and fire the ticks themselves.
#include <cstdint>

class ITimerService {
 public:
  virtual ~ITimerService() = default;
  // Arms (or re-arms) the timer `id` to fire once every `periodMs`.
  virtual void SetTimer(uint32_t id, uint32_t periodMs) = 0;
  virtual void KillTimer(uint32_t id) = 0;
};
