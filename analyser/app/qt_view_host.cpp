#include "analyser/app/qt_view_host.h"

#include "analyser/state/application_title.h"

#include <QMessageBox>
#include <cstdio>

void QtTimerService::SetTimer(uint32_t id, uint32_t periodMs) {
  timers_[id].start(static_cast<int>(periodMs), &owner_);
}

void QtTimerService::KillTimer(uint32_t id) {
  auto it = timers_.find(id);
  if (it != timers_.end()) it->second.stop();
}

bool QtTimerService::Lookup(int qtTimerId, uint32_t& id) const {
  for (const auto& [ourId, timer] : timers_) {
    if (timer.isActive() && timer.timerId() == qtTimerId) {
      id = ourId;
      return true;
    }
  }
  return false;
}

void WidgetInvalidation::Invalidate(const Rect* area, bool) {
  // Every repaint starts from the erased background (CViewWidget), so the flag needs no
  // handling of its own.
  if (!widget_) return;
  if (area == nullptr) {
    widget_->update();
  } else {
    widget_->update(QRect(QPoint(area->left, area->top), QPoint(area->right - 1, area->bottom - 1)));
  }
}

void LogMessage(const QString& text) {
  QString oneLine = text;
  oneLine.replace(QLatin1Char('\n'), QLatin1Char(' '));
  std::fprintf(stderr, "message: %s\n", oneLine.toUtf8().constData());
  std::fflush(stderr);
}

MessageAnswer QtMessageBox::ShowMessage(std::string_view text, std::string_view caption,
                                        MessageIcon icon, MessageButtons buttons,
                                        bool ownedByWindow) {
  const QString message = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  LogMessage(message);
  QMessageBox box(ownedByWindow ? owner_.data() : nullptr);
  box.setWindowTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
  box.setText(message);
  box.setIcon(icon == MessageIcon::Warning    ? QMessageBox::Warning
              : icon == MessageIcon::Question ? QMessageBox::Question
                                              : QMessageBox::NoIcon);
  if (buttons == MessageButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return MessageAnswer::Ok;
}

namespace {
QString EntryPath(std::string_view section, std::string_view key) {
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) +
         QLatin1Char('/') + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}
}  // namespace

QSettingsProfile::QSettingsProfile() : settings_(QStringLiteral("Kelvory"), QString::fromLatin1(kApplicationTitle)) {}

QSettingsProfile::QSettingsProfile(const QString& fileName)
    : settings_(fileName, QSettings::IniFormat) {}

int32_t QSettingsProfile::GetProfileInt(std::string_view section, std::string_view key,
                                        int32_t defaultValue) {
  const QVariant value = settings_.value(EntryPath(section, key));
  if (!value.isValid()) return defaultValue;
  bool ok = false;
  const qlonglong number = value.toLongLong(&ok);
  // Colours above 0x7FFFFFFF come back as they went in, bit for bit.
  return ok ? static_cast<int32_t>(static_cast<uint32_t>(number)) : defaultValue;
}

bool QSettingsProfile::WriteProfileInt(std::string_view section, std::string_view key,
                                       int32_t value) {
  settings_.setValue(EntryPath(section, key), value);
  return settings_.status() == QSettings::NoError;
}
