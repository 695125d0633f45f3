#pragma once
// The installer's single window on Win32: the green client area with its heading, status
// line and platform line, at the top-left of the screen. Its timers carry the view's
// ticks, and the end the view asks for ends the message loop with the exit status.
#include <windows.h>

#include <optional>
#include <string>

#include "installer/modes/corvane_view.h"
#include "platform/timer_service.h"

class CorvaneWindow : public ITimerService {
 public:
  explicit CorvaneWindow(HINSTANCE instance) : instance_(instance) {}
  ~CorvaneWindow() override;
  CorvaneWindow(const CorvaneWindow&) = delete;
  CorvaneWindow& operator=(const CorvaneWindow&) = delete;

  // The view whose status line is shown and whose ticks the timers carry.
  void Attach(CCorvaneView& view) { view_ = &view; }
  // Placed as a maximized window less its sizing frame, not yet shown.
  bool Create();
  void Show(int showCommand);
  HWND Handle() const { return window_; }
  bool IsShown() const { return window_ != nullptr && IsWindowVisible(window_); }
  const std::string& StatusText() const { return view_->StatusText(); }
  // The status line painted at once: a run does not go back to the message loop
  // between its steps.
  void PaintStatusNow();
  // The status the run ended with, once the view has ended it.
  std::optional<int> ExitStatus() const { return exitStatus_; }

  void SetTimer(uint32_t id, uint32_t periodMs) override;
  void KillTimer(uint32_t id) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void DrawTexts(HDC dc, const RECT& client) const;
  void End(int status);

  HINSTANCE instance_;
  CCorvaneView* view_ = nullptr;
  HWND window_ = nullptr;
  std::optional<int> exitStatus_;
};
