#include "analyser/app/view_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "analyser/app/support/qpainter_surface.h"
#include "analyser/view/sylvarine_view.h"

CViewWidget::CViewWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);  // the view fills what it is asked to repaint
  setMinimumSize(200, 150);
}

void CViewWidget::paintEvent(QPaintEvent*) {
  if (view_ == nullptr) return;
  QPainter painter(this);
  {
    QPainterSurface surface(painter, rect());
    view_->OnDraw(surface);
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
  emit clicked();
}

void CViewWidget::timerEvent(QTimerEvent* event) {
  uint32_t id = 0;
  if (view_ != nullptr && timers_.Lookup(event->timerId(), id)) view_->OnTimer(id);
}
