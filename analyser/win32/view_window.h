#pragma once
// The child window that hosts CSylvarineView: forwards its paints, clicks and timer ticks
// to it, and gives it the window's timers and invalidation.
#include <windows.h>

#include <functional>

#include "analyser/win32/support/gdi_objects.h"
#include "platform/invalidation.h"
#include "platform/timer_service.h"
#include "shell_win32/window_class.h"

class CSylvarineView;

class CViewWindow : public ITimerService, public IInvalidation {
 public:
  // Registers the window class once; false when the system refuses it.
  static bool RegisterWindowClass(HINSTANCE instance);

  HWND Create(HWND parent, HINSTANCE instance);
  HWND Handle() const { return window_; }
  void Attach(CSylvarineView* view) { view_ = view; }

  // A click or a tick may change what the menus and the toolbar show.
  void OnStateChanged(std::function<void()> listener) { stateChanged_ = std::move(listener); }
  void OnFirstPaint(std::function<void()> listener) { firstPaint_ = std::move(listener); }
  // Called as the window is destroyed, before the view is told (the framework's own
  // destruction runs first).
  void OnDestroyed(std::function<void()> listener) { destroyed_ = std::move(listener); }

  void SetTimer(uint32_t id, uint32_t periodMs) override;
  void KillTimer(uint32_t id) override;
  void Invalidate(const Rect* area, bool eraseBackground) override;

 private:
  friend struct ShellWin32::WindowRouting;
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void Click(UINT message, LPARAM lParam);
  void Tick(uint32_t id);

  HWND window_ = nullptr;
  CSylvarineView* view_ = nullptr;
  GdiObjects objects_;
  bool painted_ = false;
  std::function<void()> stateChanged_, firstPaint_, destroyed_;
};
