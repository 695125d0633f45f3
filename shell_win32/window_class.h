#pragma once
// The window classes of the Win32 shells: each registered once a process, and each routing
// its messages to the object whose pointer came with CreateWindowExW.
#include <windows.h>

namespace ShellWin32 {

struct WindowClass {
  const wchar_t* name;
  WNDPROC procedure;
  // The system colour (COLOR_...) of the erased background; none: the window paints it all.
  int background = -1;
  UINT style = 0;
  // The resource of the window's large and small icons; none: the system's.
  const wchar_t* icon = nullptr;
};

// False when the system refuses the class; a class the process already has is kept.
bool RegisterWindowClass(HINSTANCE instance, const WindowClass& windowClass);

// The procedure of a window whose object is `Owner`: it is told its window as the window is
// made (its member `window_`), then gets every message at `Handle(message, wParam, lParam)`;
// after WM_NCDESTROY it is detached and its `window_` is null.
// Owner makes this a friend.
struct WindowRouting {
  template <class Owner>
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      owner->window_ = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = owner->Handle(message, wParam, lParam);
    // The window's last message: the object outlives it and must not reach it again.
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      owner->window_ = nullptr;
    }
    return result;
  }
};

}  // namespace ShellWin32
