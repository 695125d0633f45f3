#include "analyser/win32/frame_bars.h"

#include <ctime>
#include <cwchar>
#include <iterator>

#include "analyser/frame/prompt_strings.h"
#include "analyser/frame/status_bar.h"
#include "analyser/frame/toolbar_table.h"
#include "analyser/state/command_ids.h"
#include "platform/windows/wide_text.h"

namespace {

constexpr int kImageWidth = kToolbarButtonImageWidth, kImageHeight = kToolbarButtonImageHeight;
// What the toolbar images were drawn on: their transparent colour.
constexpr COLORREF kImageBackground = RGB(0xC0, 0xC0, 0xC0);
constexpr int kPaneCount = kTimePaneIndex + 1;  // the time pane is the last
constexpr int kPanePadding = 8;  // the pane's borders and a little air round its text
constexpr UINT_PTR kStatusSubclass = 1;

bool LockOn(PaneKind kind) {
  switch (kind) {
    case PaneKind::CapsLock: return (GetKeyState(VK_CAPITAL) & 1) != 0;
    case PaneKind::NumLock: return (GetKeyState(VK_NUMLOCK) & 1) != 0;
    case PaneKind::ScrollLock: return (GetKeyState(VK_SCROLL) & 1) != 0;
    default: return false;
  }
}

std::wstring ClockText(const char* format) {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  wchar_t text[64] = L"";
  if (local != nullptr) std::wcsftime(text, std::size(text), Utf8ToWide(format).c_str(), local);
  return text;
}

}  // namespace

FrameBars::~FrameBars() {
  if (images_ != nullptr) ImageList_Destroy(images_);
}

bool FrameBars::Create(HWND frame, HINSTANCE instance) {
  return CreateToolbar(frame, instance) && CreateStatusBar(frame, instance);
}

bool FrameBars::CreateToolbar(HWND frame, HINSTANCE instance) {
  rebar_ = CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, nullptr,
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                               RBS_VARHEIGHT | RBS_BANDBORDERS | CCS_NODIVIDER | CCS_TOP,
                           0, 0, 0, 0, frame, nullptr, instance, nullptr);
  if (rebar_ == nullptr) return false;
  toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                             WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                 CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                             0, 0, 0, 0, rebar_, nullptr, instance, nullptr);
  if (toolbar_ == nullptr) return false;
  SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(kImageWidth, kImageHeight));
  images_ = ImageList_Create(kImageWidth, kImageHeight, ILC_COLOR24 | ILC_MASK, 20, 4);
  if (images_ == nullptr) return false;

  TBBUTTON buttons[32] = {};
  int count = 0;
  for (const ToolbarEntry& entry : ToolbarEntries()) {
    if (count == static_cast<int>(std::size(buttons))) break;
    TBBUTTON& button = buttons[count++];
    if (entry.commandId == 0) {
      button.fsStyle = BTNS_SEP;
      continue;
    }
    // One bitmap resource per icon, named after it, made from the icon at build time.
    const std::wstring name = Utf8ToWide(entry.iconName);
    auto* bitmap = static_cast<HBITMAP>(LoadImageW(instance, name.c_str(), IMAGE_BITMAP, 0, 0, 0));
    button.iBitmap = bitmap != nullptr ? ImageList_AddMasked(images_, bitmap, kImageBackground) : -1;
    if (bitmap != nullptr) DeleteObject(bitmap);
    button.idCommand = static_cast<int>(entry.commandId);
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_BUTTON;
  }
  SendMessageW(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
  if (!SendMessageW(toolbar_, TB_ADDBUTTONSW, static_cast<WPARAM>(count),
                    reinterpret_cast<LPARAM>(buttons)))
    return false;
  SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);

  SIZE size{};
  SendMessageW(toolbar_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
  REBARBANDINFOW band{};
  band.cbSize = sizeof band;
  band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE;
  band.fStyle = RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE;
  band.hwndChild = toolbar_;
  band.cxMinChild = static_cast<UINT>(size.cx);
  band.cyMinChild = static_cast<UINT>(size.cy);
  band.cx = static_cast<UINT>(size.cx);
  return SendMessageW(rebar_, RB_INSERTBANDW, static_cast<WPARAM>(-1),
                      reinterpret_cast<LPARAM>(&band)) != 0;
}

bool FrameBars::CreateStatusBar(HWND frame, HINSTANCE instance) {
  status_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP,
                            0, 0, 0, 0, frame, nullptr, instance, nullptr);
  if (status_ == nullptr) return false;
  paneTexts_[0] = Utf8ToWide(kIdlePrompt);
  if (!SetWindowSubclass(status_, &FrameBars::StatusProcedure, kStatusSubclass,
                         reinterpret_cast<DWORD_PTR>(this)))
    return false;
  RefreshLockPanes();
  RefreshClock();
  // The timer of the status-bar window: each tick brings the date and time up to date.
  return SetTimer(status_, TimerId::StatusClock, kStatusClockPeriodMs, nullptr) != 0;
}

LRESULT CALLBACK FrameBars::StatusProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* bars = reinterpret_cast<FrameBars*>(self);
  if (message == WM_TIMER && wParam == TimerId::StatusClock) {
    bars->RefreshClock();
    bars->RefreshLockPanes();
    return 0;
  }
  if (message == WM_SIZE) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    bars->SetPaneWidths();
    return result;
  }
  if (message == WM_NCDESTROY) {
    KillTimer(window, TimerId::StatusClock);
    RemoveWindowSubclass(window, &FrameBars::StatusProcedure, kStatusSubclass);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

int FrameBars::TextWidth(const std::wstring& text) const {
  HDC dc = GetDC(nullptr);  // a screen device context, with the bar's font
  auto* font = reinterpret_cast<HFONT>(SendMessageW(status_, WM_GETFONT, 0, 0));
  HGDIOBJ previous = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return size.cx;
}

void FrameBars::SetPaneWidths() {
  if (status_ == nullptr) return;
  RECT client;
  GetClientRect(status_, &client);
  int edges[kPaneCount];
  int right = client.right - GetSystemMetrics(SM_CXVSCROLL);  // the size grip
  for (int pane = kPaneCount - 1; pane > 0; --pane) {
    edges[pane] = right;
    const StatusPane& facts = StatusPanes()[static_cast<std::size_t>(pane)];
    // A lock pane keeps the width of its text; a clock pane takes its current text's.
    const bool clock = facts.kind == PaneKind::Date || facts.kind == PaneKind::Time;
    right -= TextWidth(clock ? paneTexts_[pane] : Utf8ToWide(facts.text)) + kPanePadding;
  }
  edges[0] = right;
  edges[kPaneCount - 1] = -1;
  if (spreadPane_) {
    // Pane 0 as wide as any bar: the other panes lie beyond the bar's end, unseen.
    const int shift = kWidePaneWidth - edges[0];
    for (int pane = 0; pane < kPaneCount - 1; ++pane) edges[pane] += shift;
    edges[kPaneCount - 1] = edges[kPaneCount - 2] + 1;
  }
  SendMessageW(status_, SB_SETPARTS, kPaneCount, reinterpret_cast<LPARAM>(edges));
  for (int pane = 0; pane < kPaneCount; ++pane)
    SendMessageW(status_, SB_SETTEXTW, static_cast<WPARAM>(pane),
                 reinterpret_cast<LPARAM>(paneTexts_[pane].c_str()));
}

void FrameBars::RefreshClock() {
  bool changed = false;
  for (int pane = 0; pane < kPaneCount; ++pane) {
    const StatusPane& facts = StatusPanes()[static_cast<std::size_t>(pane)];
    if (facts.timeFormat == nullptr) continue;
    std::wstring text = ClockText(facts.timeFormat);
    changed = changed || text.size() != paneTexts_[pane].size();
    paneTexts_[pane] = std::move(text);
  }
  if (changed) {
    SetPaneWidths();
    return;
  }
  for (int pane = 0; pane < kPaneCount; ++pane)
    if (StatusPanes()[static_cast<std::size_t>(pane)].timeFormat != nullptr)
      SendMessageW(status_, SB_SETTEXTW, static_cast<WPARAM>(pane),
                   reinterpret_cast<LPARAM>(paneTexts_[pane].c_str()));
}

void FrameBars::RefreshLockPanes() {
  if (status_ == nullptr) return;
  for (int pane = 1; pane < kPaneCount; ++pane) {
    const StatusPane& facts = StatusPanes()[static_cast<std::size_t>(pane)];
    if (facts.timeFormat != nullptr) continue;
    // An indicator shows its text only while its key is locked.
    std::wstring text = LockOn(facts.kind) ? Utf8ToWide(facts.text) : std::wstring();
    if (text == paneTexts_[pane]) continue;
    paneTexts_[pane] = std::move(text);
    SendMessageW(status_, SB_SETTEXTW, static_cast<WPARAM>(pane),
                 reinterpret_cast<LPARAM>(paneTexts_[pane].c_str()));
  }
}

RECT FrameBars::Layout(HWND frame) {
  RECT client;
  GetClientRect(frame, &client);
  if (rebar_ != nullptr && IsWindowVisible(rebar_)) {
    SendMessageW(rebar_, WM_SIZE, 0, 0);
    RECT bar;
    GetWindowRect(rebar_, &bar);
    client.top += bar.bottom - bar.top;
  }
  if (status_ != nullptr && IsWindowVisible(status_)) {
    SendMessageW(status_, WM_SIZE, 0, 0);
    RECT bar;
    GetWindowRect(status_, &bar);
    client.bottom -= bar.bottom - bar.top;
  }
  if (client.bottom < client.top) client.bottom = client.top;
  return client;
}

void FrameBars::SetPressed(uint32_t commandId, bool pressed) {
  if (toolbar_ == nullptr) return;
  const LRESULT state = SendMessageW(toolbar_, TB_GETSTATE, commandId, 0);
  if (state == -1 || ((state & TBSTATE_CHECKED) != 0) == pressed) return;
  SendMessageW(toolbar_, TB_CHECKBUTTON, commandId, MAKELPARAM(pressed ? TRUE : FALSE, 0));
}

void FrameBars::ShowInPaneZero(const std::wstring& text) {
  SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void FrameBars::MenuSelect(WPARAM wParam, LPARAM lParam) {
  if (status_ == nullptr) return;
  const UINT flags = HIWORD(wParam);
  const UINT item = LOWORD(wParam);
  const bool closing = flags == 0xFFFF && lParam == 0;
  if (prompts_.OnMenuSelect(closing)) {
    spreadPane_ = false;  // pane 0 gets its place back, the date and time show again
    SetPaneWidths();
  }
  // A highlighted submenu or separator has no prompt.
  const bool command = (flags & (MF_POPUP | MF_SEPARATOR)) == 0;
  ShowInPaneZero(closing ? paneTexts_[0] : Utf8ToWide(StatusPrompt(command ? item : 0)));
}

void FrameBars::MenuPopup() {
  if (status_ == nullptr) return;
  RECT pane{};
  SendMessageW(status_, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&pane));
  const PaneLayout now{0, PaneStyle::Stretch, static_cast<int32_t>(pane.right - pane.left)};
  if (!prompts_.OnInitMenuPopup(now)) return;
  spreadPane_ = true;
  const std::wstring shown = [&] {
    wchar_t text[512] = L"";
    SendMessageW(status_, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return std::wstring(text);
  }();
  SetPaneWidths();
  ShowInPaneZero(shown);
}

bool FrameBars::Notify(const NMHDR& header, LRESULT& result) {
  if (header.code == TTN_GETDISPINFOW) {
    auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
    tooltip_ = Utf8ToWide(Tooltip(static_cast<uint32_t>(header.idFrom)));
    info.lpszText = tooltip_.data();
    result = 0;
    return true;
  }
  if (header.hwndFrom == toolbar_ && header.code == TBN_HOTITEMCHANGE) {
    // Fly-by: the hovered button's prompt in pane 0, the idle prompt again after.
    const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(header);
    const bool leaving = (hot.dwFlags & HICF_LEAVING) != 0;
    ShowInPaneZero(leaving ? paneTexts_[0]
                           : Utf8ToWide(StatusPrompt(static_cast<uint32_t>(hot.idNew))));
    result = 0;
    return true;
  }
  return false;
}
