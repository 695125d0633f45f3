#include "installer/win32/box_placement.h"

#include "installer/win32/gdi_text.h"
#include "installer/window/window_text_layout.h"

namespace {

thread_local HHOOK activationHook = nullptr;
thread_local HWND hookedFrame = nullptr;

void Unhook() {
  if (activationHook != nullptr) UnhookWindowsHookEx(activationHook);
  activationHook = nullptr;
}

LRESULT CALLBACK PlaceOnActivation(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT next = CallNextHookEx(activationHook, code, wParam, lParam);
  if (code == HCBT_ACTIVATE) {
    PlaceAboveStatusLine(hookedFrame, reinterpret_cast<HWND>(wParam));
    Unhook();
  }
  return next;
}

}  // namespace

void PlaceAboveStatusLine(HWND frame, HWND box) {
  RECT client{};
  GetClientRect(frame, &client);
  POINT origin{0, 0};
  ClientToScreen(frame, &origin);
  RECT outer{};
  GetWindowRect(box, &outer);
  RECT inner{};
  GetClientRect(box, &inner);
  const ScreenDc screen;
  GdiTextMeasure measure(screen.Handle());
  const Point place = BoxAboveStatusLine(
      Rect{client.left, client.top, client.right, client.bottom}, Point{origin.x, origin.y},
      measure, outer.right - outer.left, outer.bottom - outer.top, inner.bottom - inner.top);
  SetWindowPos(box, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

NextBoxAboveStatusLine::NextBoxAboveStatusLine(HWND frame) {
  Unhook();
  hookedFrame = frame;
  activationHook = SetWindowsHookExW(WH_CBT, PlaceOnActivation, nullptr, GetCurrentThreadId());
}

NextBoxAboveStatusLine::~NextBoxAboveStatusLine() { Unhook(); }
