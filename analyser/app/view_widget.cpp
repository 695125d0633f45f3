#include "analyser/app/view_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "analyser/app/support/qpainter_surface.h"
#include "analyser/view/sylvarine_view.h"

namespace {
// The erased window background: what shows where the view draws nothing (the panel's
// interior, the spectrograph's background). osctool's pictures start from the same white.
const QColor kErasedBackground = Qt::white;
}  // namespace

CViewWidget::CViewWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);  // erased here, in the view's own colour
  setMinimumSize(200, 150);
}

void CViewWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), kErasedBackground);
  if (view_ == nullptr) return;
  {
    QPainterSurface surface(painter, paintCaches_, rect(), event->rect());
    view_->OnDrawWindow(surface);
  }
  if (!painted_) {
    painted_ = true;
    emit firstPaint();
  }
}

void CViewWidget::mousePressEvent(QMouseEvent* event) {
  if (view_ == nullptr) return;
  const QPoint at = event->position().toPoint();
  const Point client{at.x(), at.y()};
  if (event->button() == Qt::LeftButton) view_->OnLButtonDown(client);
  if (event->button() == Qt::RightButton) view_->OnRButtonDown(client);
  emit stateChanged();
}

void CViewWidget::timerEvent(QTimerEvent* event) {
  uint32_t id = 0;
  if (view_ == nullptr || !timers_.Lookup(event->timerId(), id)) return;
  // A device fault stops the measurement from a tick: the check marks follow then.
  const int32_t wasRunning = view_->State().acquisitionRunning;
  view_->OnTimer(id);
  if (view_->State().acquisitionRunning != wasRunning) emit stateChanged();
}
