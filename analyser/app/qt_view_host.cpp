#include "analyser/app/qt_view_host.h"

#include "analyser/frame/document_files.h"
#include "analyser/state/application_title.h"
#include "shell_qt/conversions.h"
#include "shell_qt/message_box.h"

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

MessageAnswer QtMessageBox::ShowMessage(std::string_view text, std::string_view caption,
                                        MessageIcon icon, MessageButtons buttons,
                                        bool ownedByWindow) {
  ShellQt::MessageBoxStyle style;
  style.owner = ownedByWindow ? owner_.data() : nullptr;
  return ShellQt::ShowMessageBox(text, caption, icon, buttons, style);
}

namespace {
QString EntryPath(std::string_view section, std::string_view key) {
  return ShellQt::FromUtf8(section) + QLatin1Char('/') + ShellQt::FromUtf8(key);
}
}  // namespace

QSettingsProfile::QSettingsProfile()
    : settings_(QString::fromLatin1(kRegistryKeyName), QString::fromLatin1(kApplicationTitle)) {}

QSettingsProfile::QSettingsProfile(const QString& fileName)
    : settings_(fileName, QSettings::IniFormat) {}

int32_t QSettingsProfile::ReadProfileInt(std::string_view section, std::string_view key,
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
