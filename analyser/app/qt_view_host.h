#pragma once
// The window services the core view asks for, on Qt: timers, invalidation, message boxes
// and the per-user profile.
#include <QPointer>
#include <QSettings>
#include <QWidget>

#include "platform/invalidation.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "shell_qt/timer_service.h"

// The analyser's timers: coarse, as a window timer's ticks are.
class QtTimerService : public ShellQt::TimerService {
 public:
  explicit QtTimerService(QObject& owner) : TimerService(owner, Qt::CoarseTimer) {}
};

// Repaints exactly the invalidated rectangle; the view's pixels equal its logical units.
class WidgetInvalidation : public IInvalidation {
 public:
  void Attach(QWidget* widget) { widget_ = widget; }
  void Invalidate(const Rect* area, bool eraseBackground) override;

 private:
  QPointer<QWidget> widget_;
};

// Modal boxes with one OK button (or Yes/No); every text also goes to stderr.
class QtMessageBox : public IMessageBox {
 public:
  void SetOwner(QWidget* owner) { owner_ = owner; }
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                            MessageButtons buttons, bool ownedByWindow) override;

 private:
  QPointer<QWidget> owner_;
};

// The profile in QSettings, under the registry key name and the application title.
class QSettingsProfile : public IProfile {
 public:
  QSettingsProfile();
  explicit QSettingsProfile(const QString& fileName);  // an INI file of its own (tests)
  int32_t ReadProfileInt(std::string_view section, std::string_view key,
                         int32_t defaultValue) override;
  bool WriteProfileInt(std::string_view section, std::string_view key, int32_t value) override;
  QSettings& Settings() { return settings_; }

 private:
  QSettings settings_;
};
