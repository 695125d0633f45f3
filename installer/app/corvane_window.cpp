#include "installer/app/corvane_window.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <utility>

#include "installer/app/window_fonts.h"
#include "installer/modes/corvane_view.h"
#include "installer/window/window_layout.h"
#include "installer/window/window_text_layout.h"
#include "shell_qt/conversions.h"
#include "shell_qt/frame_fitting.h"

CorvaneWindow::CorvaneWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(ShellQt::FromUtf8(InstallerWindow::Title));
  // The whole client area is painted on every paint.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CorvaneWindow::PlaceOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry()
                                 : ShellQt::ToQRect(InstallerWindow::WorkAreaWithoutScreen);
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

// The title bar and borders a window manager adds come off the client area, else the
// bottom line would fall below the screen; this runs again as they appear.
void CorvaneWindow::FitFrameToPlacement() {
  if (placement_.isEmpty()) return;
  const std::optional<QSize> decoration = ShellQt::FrameMargins(*this, placement_.size());
  // Not a frame's margins, or the ones already allowed for: keep the size last given.
  if (!decoration || *decoration == decoration_) return;
  decoration_ = *decoration;
  // No sizing border: the size is the rule's, not the user's.
  setFixedSize(placement_.size() - decoration_);
  move(placement_.topLeft());
}

void CorvaneWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FitFrameToPlacement();
  // A window manager may decorate the window a moment after it is shown, without
  // moving it: look again soon, then less and less often while the start pause lasts.
  for (int delayMs = 50; delayMs < static_cast<int>(InstallerTimer::PeriodMs); delayMs *= 3)
    QTimer::singleShot(delayMs, this, [this] { FitFrameToPlacement(); });
}

void CorvaneWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  FitFrameToPlacement();
}

void CorvaneWindow::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    const Rect client = ShellQt::FromQRect(rect());
    QtTextMeasure measure;
    painter.fillRect(event->rect(), ShellQt::ToQColor(InstallerWindow::Background));
    painter.setPen(ShellQt::ToQColor(InstallerWindow::TextColour));
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const InstallerWindow::WindowText* text : InstallerWindow::Texts) {
      // Texts outside the area being painted cost nothing: a status paints one band.
      if (!event->region().intersects(ShellQt::ToQRect(LineBand(client, *text, measure)))) continue;
      const bool status = text->source == InstallerWindow::TextSource::StatusLine;
      const LaidOutText laid =
          LayOutText(client, *text, status ? std::string_view(statusText_) : text->text, measure);
      painter.setFont(RealiseFont(laid.font));
      painter.drawText(ShellQt::ToQRect(laid.area), AlignmentFlags(laid.placement),
                       ShellQt::FromUtf8(laid.line));
      if (status) statusBounds_ = ShellQt::ToQRect(StatusPixels(laid, measure));
    }
  }
  emit painted();
}

void CorvaneWindow::ShowStatus(const std::string& text) {
  statusText_ = text;
  // The run does not go back to the event loop between steps: paint now. Only the
  // pixels of the old and the new status line change.
  if (!isVisible()) return;
  const Rect client = ShellQt::FromQRect(rect());
  QtTextMeasure measure;
  const QRect next = ShellQt::ToQRect(
      StatusPixels(LayOutText(client, InstallerWindow::Status, statusText_, measure), measure));
  repaint(statusBounds_.isNull()
              ? ShellQt::ToQRect(LineBand(client, InstallerWindow::Status, measure))
              : statusBounds_ | next);
}

void CorvaneWindow::PlaceAboveStatusLine(QWidget& box) const {
  box.adjustSize();
  QtTextMeasure measure;
  const QPoint origin = mapToGlobal(QPoint(0, 0));
  const Point place =
      BoxAboveStatusLine(ShellQt::FromQRect(rect()), Point{origin.x(), origin.y()}, measure,
                         box.frameGeometry().width(), box.frameGeometry().height(), box.height());
  box.move(place.x, place.y);
}
