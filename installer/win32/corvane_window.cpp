#include "installer/win32/corvane_window.h"

#include "installer/win32/gdi_text.h"
#include "installer/window/window_layout.h"
#include "installer/window/window_text_layout.h"
#include "platform/windows/wide_text.h"
#include "shell_win32/window_class.h"

namespace {

constexpr wchar_t kClassName[] = L"CorvaneFrame";
// The frame has the system menu alone: no menu bar, no sizing border.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

// The window goes with the process: hidden first, it would wait for a window manager to
// confirm, which Wine's X11 driver does for up to two seconds where none answers. What
// reaches it after this object is gone is the system's alone.
CorvaneWindow::~CorvaneWindow() {
  if (window_ != nullptr) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
}

bool CorvaneWindow::Create() {
  // No background: every paint fills the whole client area.
  if (!ShellWin32::RegisterWindowClass(
          instance_, {.name = kClassName, .procedure = &CorvaneWindow::WindowProc, .icon = L"corvane"}))
    return false;
  RECT insets{};
  AdjustWindowRectEx(&insets, kFrameStyle, FALSE, 0);
  RECT workArea{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  const Rect frame = InstallerWindow::FrameWithinWorkArea(
      InstallerWindow::FramePlacement(GetSystemMetrics(SM_CXMAXIMIZED),
                                      GetSystemMetrics(SM_CYMAXIMIZED),
                                      GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME)),
      Rect{-insets.left, -insets.top, insets.right, insets.bottom}, FromRECT(workArea));
  window_ = CreateWindowExW(0, kClassName, Utf8ToWide(InstallerWindow::Title).c_str(), kFrameStyle,
                            frame.left, frame.top, frame.right - frame.left,
                            frame.bottom - frame.top, nullptr, nullptr, instance_, this);
  return window_ != nullptr;
}

void CorvaneWindow::Show(int showCommand) {
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
}

void CorvaneWindow::SetTimer(uint32_t id, uint32_t periodMs) {
  if (window_ != nullptr) ::SetTimer(window_, id, periodMs, nullptr);
}

void CorvaneWindow::KillTimer(uint32_t id) {
  if (window_ != nullptr) ::KillTimer(window_, id);
}

void CorvaneWindow::PaintStatusNow() {
  if (!IsShown()) return;
  RECT client{};
  GetClientRect(window_, &client);
  const ScreenDc screen;
  GdiTextMeasure measure(screen.Handle());
  const RECT band = ToRECT(LineBand(FromRECT(client), InstallerWindow::Status, measure));
  InvalidateRect(window_, &band, FALSE);
  UpdateWindow(window_);
}

LRESULT CALLBACK CorvaneWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<CorvaneWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  }
  auto* self = reinterpret_cast<CorvaneWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->OnMessage(window, message, wParam, lParam);
}

LRESULT CorvaneWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // every paint fills the whole client area
    case WM_PAINT:
      Paint();
      return 0;
    case WM_TIMER:
      if (!exitStatus_) {
        if (const ProcessEnd end = view_->OnTimer(static_cast<uint32_t>(wParam))) End(*end);
      }
      return 0;
    case WM_CLOSE:
      // Closed before the run ended it: no success.
      End(exitStatus_.value_or(1));
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void CorvaneWindow::End(int status) {
  exitStatus_ = status;
  KillTimer(InstallerTimer::Start);
  KillTimer(InstallerTimer::End);
  PostQuitMessage(status);
}

// Drawn off screen and copied whole, so that a status line never shows half painted.
void CorvaneWindow::Paint() {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window_, &paint);
  RECT client{};
  GetClientRect(window_, &client);
  const HDC memory = CreateCompatibleDC(dc);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  DrawTexts(memory, client);
  const RECT& area = paint.rcPaint;
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, area.left,
         area.top, SRCCOPY);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(window_, &paint);
  view_->OnPainted();
}

void CorvaneWindow::DrawTexts(HDC dc, const RECT& client) const {
  const HBRUSH background = CreateSolidBrush(InstallerWindow::Background);
  FillRect(dc, &client, background);
  DeleteObject(background);
  SetTextColor(dc, InstallerWindow::TextColour);
  SetBkMode(dc, TRANSPARENT);
  GdiTextMeasure measure(dc);
  for (const InstallerWindow::WindowText* text : InstallerWindow::Texts) {
    const bool status = text->source == InstallerWindow::TextSource::StatusLine;
    const LaidOutText laid = LayOutText(
        FromRECT(client), *text, status ? std::string_view(StatusText()) : text->text, measure);
    const SelectedFont font(dc, laid.font);
    RECT area = ToRECT(laid.area);
    const std::wstring line = Utf8ToWide(laid.line);
    DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &area,
              PlacementFormat(laid.placement));
  }
}
