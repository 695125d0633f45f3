#include "analyser/win32/view_window.h"

#include "analyser/view/sylvarine_view.h"
#include "analyser/win32/support/gdi_surface.h"

namespace {
constexpr wchar_t kClassName[] = L"SylvarineView";
}  // namespace

bool CViewWindow::RegisterWindowClass(HINSTANCE instance) {
  // Without CS_HREDRAW and CS_VREDRAW: the drawing keeps its size as the window's changes.
  // The erased background is what shows where the view draws nothing.
  return ShellWin32::RegisterWindowClass(
      instance, {.name = kClassName,
                 .procedure = &ShellWin32::WindowRouting::Procedure<CViewWindow>,
                 .background = COLOR_WINDOW,
                 .style = CS_DBLCLKS});
}

HWND CViewWindow::Create(HWND parent, HINSTANCE instance) {
  return CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                         0, 0, 0, 0, parent, nullptr, instance, this);
}

LRESULT CViewWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      Click(message, lParam);
      return 0;
    case WM_TIMER:
      Tick(static_cast<uint32_t>(wParam));
      return 0;
    case WM_DESTROY:
      if (destroyed_) destroyed_();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void CViewWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  if (view_ != nullptr) {
    RECT client;
    GetClientRect(window_, &client);
    GdiSurface surface(dc, objects_, client);
    view_->OnDrawWindow(surface);
  }
  EndPaint(window_, &paint);
  if (!painted_) {
    painted_ = true;
    if (firstPaint_) firstPaint_();
  }
}

void CViewWindow::Click(UINT message, LPARAM lParam) {
  if (view_ == nullptr) return;
  SetFocus(window_);
  // Signed: a click left of or above the window gives negative coordinates.
  const Point client{static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) view_->OnLButtonDown(client);
  else view_->OnRButtonDown(client);
  if (stateChanged_) stateChanged_();
}

void CViewWindow::Tick(uint32_t id) {
  if (view_ == nullptr) return;
  // A device fault stops the measurement from a tick: the check marks follow then.
  const int32_t wasRunning = view_->State().acquisitionRunning;
  view_->OnTimer(id);
  if (view_->State().acquisitionRunning != wasRunning && stateChanged_) stateChanged_();
}

void CViewWindow::SetTimer(uint32_t id, uint32_t periodMs) {
  if (window_ != nullptr) ::SetTimer(window_, id, periodMs, nullptr);
}

void CViewWindow::KillTimer(uint32_t id) {
  if (window_ != nullptr) ::KillTimer(window_, id);
}

void CViewWindow::Invalidate(const Rect* area, bool eraseBackground) {
  if (window_ == nullptr) return;
  if (area == nullptr) {
    InvalidateRect(window_, nullptr, eraseBackground ? TRUE : FALSE);
    return;
  }
  // On the screen a logical unit is a pixel.
  const RECT rect{area->left, area->top, area->right, area->bottom};
  InvalidateRect(window_, &rect, eraseBackground ? TRUE : FALSE);
}
