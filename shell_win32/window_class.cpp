#include "shell_win32/window_class.h"

namespace ShellWin32 {

bool RegisterWindowClass(HINSTANCE instance, const WindowClass& windowClass) {
  WNDCLASSEXW system{};
  system.cbSize = sizeof system;
  system.style = windowClass.style;
  system.lpfnWndProc = windowClass.procedure;
  system.hInstance = instance;
  system.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  if (windowClass.background >= 0)
    system.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(windowClass.background + 1));
  if (windowClass.icon != nullptr) {
    system.hIcon = LoadIconW(instance, windowClass.icon);
    system.hIconSm = static_cast<HICON>(LoadImageW(instance, windowClass.icon, IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), 0));
  }
  system.lpszClassName = windowClass.name;
  return RegisterClassExW(&system) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace ShellWin32
