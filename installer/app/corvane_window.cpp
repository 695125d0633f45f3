#include "installer/app/corvane_window.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTimerEvent>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "installer/app/destination_dialog.h"
#include "installer/app/shell_log.h"
#include "installer/app/window_fonts.h"
#include "installer/installer_window_layout.h"

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQColor(Colour colour) {
  return QColor(static_cast<int>(RedOf(colour)), static_cast<int>(GreenOf(colour)),
                static_cast<int>(BlueOf(colour)));
}

Qt::Alignment AlignmentOf(InstallerWindow::TextPlacement placement) {
  switch (placement) {
    case InstallerWindow::TextPlacement::TopLeft:
      return Qt::AlignLeft | Qt::AlignTop;
    case InstallerWindow::TextPlacement::Centred:
      return Qt::AlignCenter;
    case InstallerWindow::TextPlacement::BottomRight:
      return Qt::AlignRight | Qt::AlignBottom;
  }
  return Qt::AlignCenter;
}

void DrawWindowText(QPainter& painter, const QRect& client, const InstallerWindow::WindowText& text,
                    std::string_view content) {
  painter.setFont(WindowTextFont(text));
  painter.drawText(client, static_cast<int>(AlignmentOf(text.placement) | Qt::TextSingleLine),
                   FromUtf8(content));
}

}  // namespace

CorvaneWindow::CorvaneWindow(IMachine& machine, std::string commandLinePath)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      view_(machine, *this, *this, std::move(commandLinePath)) {
  setWindowTitle(FromUtf8(InstallerWindow::Title));
  // The whole client area is painted on every paint.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CorvaneWindow::InitialUpdate() {
  view_.OnInitialUpdate();
  // The first status line is the product name, shown before any step.
  LogLine("status", view_.StatusText());
}

void CorvaneWindow::PlaceOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
  const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  const Rect placement =
      InstallerWindow::FramePlacement(available.width(), available.height(), frame);
  // No sizing border: the size is the rule's, not the user's.
  setFixedSize(placement.right - placement.left, placement.bottom - placement.top);
  move(available.left() + placement.left, available.top() + placement.top);
}

void CorvaneWindow::paintEvent(QPaintEvent*) {
  {
    QPainter painter(this);
    const QRect client = rect();
    painter.fillRect(client, ToQColor(InstallerWindow::Background));
    painter.setPen(ToQColor(InstallerWindow::TextColour));
    painter.setBackgroundMode(Qt::TransparentMode);
    DrawWindowText(painter, client, InstallerWindow::Heading, InstallerWindow::HeadingText);
    DrawWindowText(painter, client, InstallerWindow::Status, view_.StatusText());
    DrawWindowText(painter, client, InstallerWindow::PlatformLine, InstallerWindow::PlatformText);
  }
  view_.OnPainted();
}

void CorvaneWindow::PaintNow() {
  LogLine("status", view_.StatusText());
  // The run does not go back to the event loop between steps: paint now.
  if (isVisible()) repaint();
}

MessageAnswer CorvaneWindow::ShowMessageBox(std::string_view text, MessageButtons buttons) {
  LogLine("message", text);
  const bool question = buttons == MessageButtons::YesNo;
  QMessageBox box(question ? QMessageBox::Question : QMessageBox::NoIcon,
                  FromUtf8(InstallerWindow::MessageCaption), FromUtf8(text),
                  question ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                  isVisible() ? this : nullptr);
  // Texts carry paths and script entries: never taken for markup.
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
  const int pressed = box.exec();
  if (!question) return MessageAnswer::Ok;
  return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

DestinationAnswer CorvaneWindow::AskDestination(std::string_view prompt,
                                                std::string& destination) {
  LogLine("destination", destination);
  CDestinationDlg dialog(FromUtf8(prompt), FromUtf8(destination), isVisible() ? this : nullptr);
  if (dialog.exec() != QDialog::Accepted) return DestinationAnswer::Cancel;
  destination = dialog.Destination().toStdString();
  return DestinationAnswer::Ok;
}

void CorvaneWindow::EndProcess(int status) {
  // Everything the core writes is already committed; nothing must run after this.
  std::fflush(nullptr);
  std::_Exit(status);
}

void CorvaneWindow::SetTimer(uint32_t id, uint32_t periodMs) {
  timers_[id].start(static_cast<int>(periodMs), Qt::PreciseTimer, this);
}

void CorvaneWindow::KillTimer(uint32_t id) {
  auto found = timers_.find(id);
  if (found != timers_.end()) found->second.stop();
}

void CorvaneWindow::timerEvent(QTimerEvent* event) {
  for (const auto& [id, timer] : timers_) {
    if (timer.timerId() == event->timerId()) {
      view_.OnTimer(id);
      return;
    }
  }
  QWidget::timerEvent(event);
}
