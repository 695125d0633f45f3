#pragma once
// The widget that hosts CSylvarineView: forwards paints, clicks and timer ticks to it.
#include <QWidget>

#include "analyser/app/qt_view_host.h"
#include "analyser/app/support/painter_caches.h"

class CSylvarineView;

class CViewWidget : public QWidget {
  Q_OBJECT
 public:
  explicit CViewWidget(QWidget* parent = nullptr);
  void Attach(CSylvarineView* view) { view_ = view; }
  QtTimerService& Timers() { return timers_; }

 signals:
  void firstPaint();
  // A click or a timer tick may have changed what the menus and the toolbar show.
  void stateChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  CSylvarineView* view_ = nullptr;
  QtTimerService timers_{*this};
  PainterCaches paintCaches_;  // goes with the window, before the application
  bool painted_ = false;
};
