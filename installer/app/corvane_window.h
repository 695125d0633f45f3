#pragma once
// The installer's single window: the green client area with its heading, status line
// and platform line, placed by its outer frame at the top-left of the screen.
#include <QRect>
#include <QSize>
#include <QWidget>
#include <string>

class CorvaneWindow : public QWidget {
  Q_OBJECT
 public:
  CorvaneWindow();

  // The status line from now on; painted at once, only where it changes.
  void ShowStatus(const std::string& text);
  // Top-left of the screen, maximized size less the frame on each side (the outer frame).
  void PlaceOnScreen();
  // A message often speaks of the step the status line names: boxes and the prompt
  // stand above that line, not over it.
  void PlaceAboveStatusLine(QWidget& box) const;

 signals:
  // After every paint, the status line's included.
  void painted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void FitFrameToPlacement();

  std::string statusText_;
  QRect placement_;     // the outer frame, in screen coordinates
  QSize decoration_;    // title bar and borders last allowed for
  QRect statusBounds_;  // what the status line covers on the screen now
};
