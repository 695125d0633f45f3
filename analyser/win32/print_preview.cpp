#include "analyser/win32/print_preview.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include "analyser/frame/print_preview.h"
#include "platform/windows/wide_text.h"
#include "shell_win32/window_class.h"

namespace {

constexpr wchar_t kPreviewClass[] = L"SylvarinePreview";
constexpr int kMargin = 12;       // grey round the sheet, in pixels
constexpr int kShadow = 4;
constexpr int kFirstButtonId = 100;

class PreviewWindow {
 public:
  PreviewWindow(const PaperGeometry& paper, const std::function<void(HDC, int, int)>& drawPage)
      : paper_(paper), drawPage_(drawPage) {}
  ~PreviewWindow() { DropPage(); }

  bool Run(HWND owner, HINSTANCE instance);

 private:
  friend struct ShellWin32::WindowRouting;
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateButtons(HINSTANCE instance);
  void Act(PreviewAction action);
  RECT PageArea() const;  // below the buttons
  SIZE SheetPixels() const;
  void Relayout();
  void Scroll(int bar, WPARAM wParam);
  void Paint();
  void RenderPage(SIZE pixels);
  void DropPage();
  void UpdateButtons();

  PaperGeometry paper_;
  const std::function<void(HDC, int, int)>& drawPage_;
  HWND window_ = nullptr;
  HWND buttons_ = nullptr;
  int zoom_ = 0;  // 0: the whole sheet in the window
  POINT scroll_{0, 0};
  HBITMAP page_ = nullptr;
  SIZE pageSize_{0, 0};
  bool print_ = false;
};

bool PreviewWindow::Run(HWND owner, HINSTANCE instance) {
  if (!ShellWin32::RegisterWindowClass(
          instance, {.name = kPreviewClass,
                     .procedure = &ShellWin32::WindowRouting::Procedure<PreviewWindow>,
                     .background = COLOR_APPWORKSPACE}))
    return false;
  // Over the frame, as large as most of the screen, under the frame's own title.
  wchar_t title[256] = L"";
  GetWindowTextW(owner, title, static_cast<int>(std::size(title)));
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = (work.right - work.left) * 9 / 10, height = (work.bottom - work.top) * 9 / 10;
  window_ = CreateWindowExW(0, kPreviewClass, title,
                            WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN,
                            work.left + (work.right - work.left - width) / 2,
                            work.top + (work.bottom - work.top - height) / 2, width, height, owner,
                            nullptr, instance, this);
  if (window_ == nullptr) return false;
  CreateButtons(instance);
  Relayout();
  EnableWindow(owner, FALSE);
  ShowWindow(window_, SW_SHOW);
  MSG message;
  while (IsWindow(window_) && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && IsWindow(window_)) {
      DestroyWindow(window_);
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (message.message == WM_QUIT) PostQuitMessage(static_cast<int>(message.wParam));
  EnableWindow(owner, TRUE);
  SetActiveWindow(owner);
  return print_;
}

LRESULT PreviewWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int index = static_cast<int>(LOWORD(wParam)) - kFirstButtonId;
      if (index >= 0 && index < static_cast<int>(std::size(kPreviewButtons)))
        Act(kPreviewButtons[index].action);
      return 0;
    }
    case WM_SIZE:
      Relayout();
      return 0;
    case WM_HSCROLL:
      Scroll(SB_HORZ, wParam);
      return 0;
    case WM_VSCROLL:
      Scroll(SB_VERT, wParam);
      return 0;
    case WM_LBUTTONDOWN:  // a click on the sheet zooms in, as far as it goes, then out again
      Act(zoom_ + 1 < kPreviewZoomSteps ? PreviewAction::ZoomIn : PreviewAction::ZoomOut);
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void PreviewWindow::CreateButtons(HINSTANCE instance) {
  buttons_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                             WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_TOP,
                             0, 0, 0, 0, window_, nullptr, instance, nullptr);
  if (buttons_ == nullptr) return;
  SendMessageW(buttons_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(buttons_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
  std::wstring texts[std::size(kPreviewButtons)];
  TBBUTTON buttons[std::size(kPreviewButtons)] = {};
  for (std::size_t i = 0; i < std::size(kPreviewButtons); ++i) {
    texts[i] = Utf8ToWide(kPreviewButtons[i].text);
    buttons[i].iBitmap = I_IMAGENONE;
    buttons[i].idCommand = kFirstButtonId + static_cast<int>(i);
    buttons[i].fsState = TBSTATE_ENABLED;
    buttons[i].fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
    buttons[i].iString = reinterpret_cast<INT_PTR>(texts[i].c_str());
  }
  SendMessageW(buttons_, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
  SendMessageW(buttons_, TB_AUTOSIZE, 0, 0);
  UpdateButtons();
}

void PreviewWindow::UpdateButtons() {
  for (std::size_t i = 0; i < std::size(kPreviewButtons); ++i) {
    bool enabled = true;
    switch (kPreviewButtons[i].action) {
      case PreviewAction::NextPage:
      case PreviewAction::PreviousPage: enabled = false; break;  // the printout is one page
      case PreviewAction::ZoomIn: enabled = zoom_ + 1 < kPreviewZoomSteps; break;
      case PreviewAction::ZoomOut: enabled = zoom_ > 0; break;
      default: break;
    }
    SendMessageW(buttons_, TB_ENABLEBUTTON, kFirstButtonId + i, MAKELPARAM(enabled ? TRUE : FALSE, 0));
  }
}

void PreviewWindow::Act(PreviewAction action) {
  switch (action) {
    case PreviewAction::Print:
      print_ = true;
      DestroyWindow(window_);
      return;
    case PreviewAction::Close:
      DestroyWindow(window_);
      return;
    case PreviewAction::ZoomIn:
      if (zoom_ + 1 < kPreviewZoomSteps) ++zoom_;
      break;
    case PreviewAction::ZoomOut:
      if (zoom_ > 0) --zoom_;
      break;
    case PreviewAction::NextPage:
    case PreviewAction::PreviousPage:
      return;
  }
  DropPage();
  UpdateButtons();
  Relayout();
  InvalidateRect(window_, nullptr, TRUE);
}

RECT PreviewWindow::PageArea() const {
  RECT area;
  GetClientRect(window_, &area);
  if (buttons_ != nullptr) {
    RECT bar;
    GetWindowRect(buttons_, &bar);
    area.top += bar.bottom - bar.top;
  }
  return area;
}

SIZE PreviewWindow::SheetPixels() const {
  // The whole sheet fits the area at the first zoom; each step doubles it.
  const RECT area = PageArea();
  const int availableWidth = std::max(1L, area.right - area.left - 2 * kMargin);
  const int availableHeight = std::max(1L, area.bottom - area.top - 2 * kMargin);
  // The side that limits the sheet fills the area; the other keeps the paper's proportion.
  LONG width = availableWidth, height = availableHeight;
  if (int64_t{availableWidth} * paper_.paper.cy <= int64_t{availableHeight} * paper_.paper.cx)
    height = MulDiv(paper_.paper.cy, availableWidth, paper_.paper.cx);
  else
    width = MulDiv(paper_.paper.cx, availableHeight, paper_.paper.cy);
  return SIZE{std::max(1L, width << zoom_), std::max(1L, height << zoom_)};
}

void PreviewWindow::Relayout() {
  if (buttons_ != nullptr) SendMessageW(buttons_, TB_AUTOSIZE, 0, 0);
  const RECT area = PageArea();
  const SIZE sheet = SheetPixels();
  const int viewWidth = area.right - area.left, viewHeight = area.bottom - area.top;
  auto setBar = [this](int bar, int content, int view, LONG& position) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, content - 1),
                    static_cast<UINT>(std::max(0, view)), 0, 0};
    position = std::clamp<LONG>(position, 0, std::max(0, content - view));
    info.nPos = position;
    SetScrollInfo(window_, bar, &info, TRUE);
  };
  setBar(SB_HORZ, sheet.cx + 2 * kMargin, viewWidth, scroll_.x);
  setBar(SB_VERT, sheet.cy + 2 * kMargin, viewHeight, scroll_.y);
}

void PreviewWindow::Scroll(int bar, WPARAM wParam) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(window_, bar, &info);
  int position = info.nPos;
  switch (LOWORD(wParam)) {
    case SB_LINEUP: position -= 20; break;
    case SB_LINEDOWN: position += 20; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    default: return;
  }
  position = std::clamp(position, 0, std::max(0, info.nMax - static_cast<int>(info.nPage) + 1));
  (bar == SB_HORZ ? scroll_.x : scroll_.y) = position;
  info.fMask = SIF_POS;
  info.nPos = position;
  SetScrollInfo(window_, bar, &info, TRUE);
  InvalidateRect(window_, nullptr, TRUE);
}

void PreviewWindow::DropPage() {
  if (page_ != nullptr) DeleteObject(page_);
  page_ = nullptr;
  pageSize_ = SIZE{0, 0};
}

void PreviewWindow::RenderPage(SIZE pixels) {
  DropPage();
  HDC screen = GetDC(window_);
  page_ = CreateCompatibleBitmap(screen, pixels.cx, pixels.cy);
  HDC memory = CreateCompatibleDC(screen);
  ReleaseDC(window_, screen);
  if (page_ == nullptr || memory == nullptr) {
    if (memory != nullptr) DeleteDC(memory);
    DropPage();
    return;
  }
  pageSize_ = pixels;
  HGDIOBJ previous = SelectObject(memory, page_);
  const RECT sheet{0, 0, pixels.cx, pixels.cy};
  FillRect(memory, &sheet, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  // The sheet's pixels are dots of a printer as fine as the preview: the page is drawn at
  // that resolution from the printable area's corner.
  const int dotsX = MulDiv(pixels.cx, paper_.dotsPerInchX, paper_.paper.cx);
  const int dotsY = MulDiv(pixels.cy, paper_.dotsPerInchY, paper_.paper.cy);
  SetViewportOrgEx(memory, MulDiv(paper_.printableOffset.x, pixels.cx, paper_.paper.cx),
                   MulDiv(paper_.printableOffset.y, pixels.cy, paper_.paper.cy), nullptr);
  drawPage_(memory, std::max(1, dotsX), std::max(1, dotsY));
  SelectObject(memory, previous);
  DeleteDC(memory);
}

void PreviewWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  const RECT area = PageArea();
  const SIZE sheet = SheetPixels();
  if (page_ == nullptr || pageSize_.cx != sheet.cx || pageSize_.cy != sheet.cy) RenderPage(sheet);
  // Centred while it fits, scrolled once it does not.
  const int areaWidth = area.right - area.left, areaHeight = area.bottom - area.top;
  const LONG left = area.left + std::max<LONG>(kMargin, (areaWidth - sheet.cx) / 2) - scroll_.x;
  const LONG top = area.top + std::max<LONG>(kMargin, (areaHeight - sheet.cy) / 2) - scroll_.y;
  const RECT shadow{left + kShadow, top + kShadow, left + sheet.cx + kShadow, top + sheet.cy + kShadow};
  FillRect(dc, &shadow, GetSysColorBrush(COLOR_3DDKSHADOW));
  if (page_ != nullptr) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, page_);
    BitBlt(dc, left, top, sheet.cx, sheet.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
  }
  EndPaint(window_, &paint);
}

}  // namespace

bool RunPrintPreview(HWND owner, HINSTANCE instance, const PaperGeometry& paper,
                     const std::function<void(HDC, int, int)>& drawPage) {
  PreviewWindow preview(paper, drawPage);
  return preview.Run(owner, instance);
}
