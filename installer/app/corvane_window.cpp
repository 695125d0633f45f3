#include "installer/app/corvane_window.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QTimerEvent>
#include <algorithm>
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

// The band of the client area a text's line occupies: the whole width, its font's height.
QRect LineBand(const QRect& client, const InstallerWindow::WindowText& text) {
  const int height = QFontMetrics(WindowTextFont(text)).height();
  switch (text.placement) {
    case InstallerWindow::TextPlacement::TopLeft:
      return QRect(client.left(), client.top(), client.width(), height);
    case InstallerWindow::TextPlacement::Centred:
      return QRect(client.left(), client.center().y() - height / 2 - 1, client.width(), height + 2);
    case InstallerWindow::TextPlacement::BottomRight:
      return QRect(client.left(), client.bottom() - height + 1, client.width(), height);
  }
  return client;
}

// One text of the window as it is drawn: its font, its line and the rectangle it is
// aligned in.
struct LaidOutText {
  QFont font;
  QString line;
  QRect area;
  int flags = 0;
  // The pixels the text covers.
  QRect Bounds() const { return QFontMetrics(font).boundingRect(area, flags, line); }
};

LaidOutText LayOut(const QRect& client, const InstallerWindow::WindowText& text,
                   std::string_view content) {
  LaidOutText laid{WindowTextFont(text), FromUtf8(content), client,
                   static_cast<int>(AlignmentOf(text.placement) | Qt::TextSingleLine)};
  // Room on each side: the script face's italic strokes reach past its advance.
  const int room = client.width() - 2 * (text.heightPx / 5);
  const int fitted = InstallerWindow::FittedTextHeight(
      text.heightPx, QFontMetrics(laid.font).horizontalAdvance(laid.line), room);
  if (fitted != text.heightPx) {
    laid.font.setPixelSize(fitted);
    laid.line = QFontMetrics(laid.font).elidedText(laid.line, Qt::ElideMiddle, room);
  }
  if (text.placement == InstallerWindow::TextPlacement::BottomRight) {
    // Aligned by its advance, the last italic stroke would hang past the right edge.
    const QFontMetrics metrics(laid.font);
    const int overhang =
        metrics.boundingRect(laid.line).right() + 1 - metrics.horizontalAdvance(laid.line);
    laid.area.setRight(laid.area.right() - std::max(0, overhang));
  }
  return laid;
}

// What a status line may cover: its bounds and the italic strokes past them.
QRect StatusPixels(const LaidOutText& laid) {
  const int slant = InstallerWindow::Status.heightPx / 5;
  return laid.Bounds().adjusted(-slant, -2, slant, 2);
}

void DrawWindowText(QPainter& painter, const LaidOutText& text) {
  painter.setFont(text.font);
  painter.drawText(text.area, text.flags, text.line);
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
  // A maximized window overhangs the work area by its sizing frame on each side, so
  // its size less twice that frame is the work area itself.
  const Rect placement = InstallerWindow::FramePlacement(
      available.width() + 2 * frame, available.height() + 2 * frame, frame);
  placement_ = QRect(available.left() + placement.left, available.top() + placement.top,
                     placement.right - placement.left, placement.bottom - placement.top);
  decoration_ = QSize();
  FitFrameToPlacement();
}

// The placement is the outer frame's: the title bar and borders a window manager adds
// come off the client area, else the bottom line would fall below the screen. Their
// size is known only once the window is mapped, so this runs again as they appear.
void CorvaneWindow::FitFrameToPlacement() {
  if (placement_.isEmpty()) return;
  const QSize decoration = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
  if (decoration == decoration_) return;
  if (decoration.width() < 0 || decoration.height() < 0 ||
      decoration.width() > placement_.width() / 4 || decoration.height() > placement_.height() / 4)
    return;  // not a frame's margins: keep the size last given
  decoration_ = decoration;
  // No sizing border: the size is the rule's, not the user's.
  setFixedSize(placement_.size() - decoration);
  move(placement_.topLeft());
}

void CorvaneWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FitFrameToPlacement();
  // A window manager may decorate the window a moment after it is shown, without
  // moving it: look again while the start pause lasts.
  for (const int delayMs : {50, 200, 600, 1500})
    QTimer::singleShot(delayMs, this, [this] { FitFrameToPlacement(); });
}

void CorvaneWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  FitFrameToPlacement();
}

void CorvaneWindow::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    const QRect client = rect();
    painter.fillRect(event->rect(), ToQColor(InstallerWindow::Background));
    painter.setPen(ToQColor(InstallerWindow::TextColour));
    painter.setBackgroundMode(Qt::TransparentMode);
    // Texts outside the area being painted cost nothing: a status paints one band.
    const std::pair<const InstallerWindow::WindowText*, std::string_view> texts[] = {
        {&InstallerWindow::Heading, InstallerWindow::HeadingText},
        {&InstallerWindow::Status, view_.StatusText()},
        {&InstallerWindow::PlatformLine, InstallerWindow::PlatformText}};
    for (const auto& [text, content] : texts) {
      if (!event->region().intersects(LineBand(client, *text))) continue;
      const LaidOutText laid = LayOut(client, *text, content);
      DrawWindowText(painter, laid);
      if (text == &InstallerWindow::Status) statusBounds_ = StatusPixels(laid);
    }
  }
  view_.OnPainted();
}

void CorvaneWindow::PaintNow() {
  LogLine("status", view_.StatusText());
  // The run does not go back to the event loop between steps: paint now. Only the
  // pixels of the old and the new status line change.
  if (!isVisible()) return;
  const QRect next = StatusPixels(LayOut(rect(), InstallerWindow::Status, view_.StatusText()));
  repaint(statusBounds_.isNull() ? LineBand(rect(), InstallerWindow::Status) : statusBounds_ | next);
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
  if (isVisible()) PlaceAboveStatusLine(box);
  const int pressed = box.exec();
  if (!question) return MessageAnswer::Ok;
  return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

// A message often speaks of the step the status line names ("Un fichier n'a pas été
// trouvé !" after the file's name): boxes and the prompt stand above that line, not
// over it.
void CorvaneWindow::PlaceAboveStatusLine(QWidget& box) const {
  box.adjustSize();
  const QFontMetrics status(WindowTextFont(InstallerWindow::Status));
  const QPoint centre = mapToGlobal(rect().center());
  const int statusTop = centre.y() - status.height() / 2;
  const int frameTop = box.frameGeometry().height() - box.height();
  const int margin = status.height() / 2;
  box.move(centre.x() - box.frameGeometry().width() / 2,
           std::max(0, statusTop - margin - box.height() - frameTop));
}

DestinationAnswer CorvaneWindow::AskDestination(std::string_view prompt,
                                                std::string& destination) {
  LogLine("destination", destination);
  CDestinationDlg dialog(FromUtf8(prompt), FromUtf8(destination), isVisible() ? this : nullptr);
  // The status line below names the product the prompt is for.
  if (isVisible()) PlaceAboveStatusLine(dialog);
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
