#pragma once
// The installer's single window: paints the core view's texts, runs its timers
// and shows its message boxes and the destination dialog.
#include <QBasicTimer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <map>
#include <string>

#include "installer/corvane_view.h"
#include "installer/installer_ui.h"
#include "platform/view_host.h"

class CorvaneWindow : public QWidget, public IInstallerUi, public ITimerService {
  Q_OBJECT
 public:
  CorvaneWindow(IMachine& machine, std::string commandLinePath);

  // Loads the script; may end the process when there is none.
  void InitialUpdate();
  bool French() const { return view_.French(); }
  void SetWorkingDirectory(std::string windowsPath) {
    view_.SetWorkingDirectory(std::move(windowsPath));
  }
  // Top-left of the screen, maximized size less the frame on each side (the outer frame).
  void PlaceOnScreen();

  void PaintNow() override;
  MessageAnswer ShowMessageBox(std::string_view text, MessageButtons buttons) override;
  DestinationAnswer AskDestination(std::string_view prompt, std::string& destination) override;
  [[noreturn]] void EndProcess(int status) override;

  void SetTimer(uint32_t id, uint32_t periodMs) override;
  void KillTimer(uint32_t id) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void FitFrameToPlacement();
  void PlaceAboveStatusLine(QWidget& box) const;

  CCorvaneView view_;
  std::map<uint32_t, QBasicTimer> timers_;
  QRect placement_;    // the outer frame, in screen coordinates
  QSize decoration_;   // title bar and borders last allowed for
  QRect statusBounds_;  // what the status line covers on the screen now
};
