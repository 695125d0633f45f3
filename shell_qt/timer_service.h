#pragma once
// The cores' timers by identifier, on QBasicTimer. The owner forwards its
// timerEvent to Lookup to learn which identifier fired.
#include <QBasicTimer>
#include <QObject>
#include <cstdint>
#include <map>

#include "platform/timer_service.h"

namespace ShellQt {

class TimerService : public ITimerService {
 public:
  // `type` is the program's: how closely a tick keeps to its period.
  TimerService(QObject& owner, Qt::TimerType type) : owner_(owner), type_(type) {}
  void SetTimer(uint32_t id, uint32_t periodMs) override;
  void KillTimer(uint32_t id) override;
  // The identifier of the armed timer a QTimerEvent belongs to, if it is one of ours.
  bool Lookup(int qtTimerId, uint32_t& id) const;

 private:
  QObject& owner_;
  Qt::TimerType type_;
  std::map<uint32_t, QBasicTimer> timers_;
};

}  // namespace ShellQt
