#include "analyser/win32/main_frame.h"

#include <shellapi.h>

#include "analyser/frame/frame_placement.h"
#include "analyser/frame/recent_files.h"
#include "analyser/frame/toolbar_table.h"
#include "analyser/state/application_title.h"
#include "analyser/state/command_ids.h"
#include "analyser/win32/menu_building.h"
#include "analyser/win32/settings_commands.h"
#include "platform/windows/wide_text.h"
#include "shell_win32/window_class.h"

namespace {
constexpr wchar_t kFrameClass[] = L"SylvarineFrame";
// The program's icon among the resources made from the project's icons.
constexpr wchar_t kProgramIcon[] = L"SYLVARINE";
}  // namespace

CMainFrame::CMainFrame(HINSTANCE instance, CSylvarineDoc& document, IProfile& profile,
                       ISoundInput& sound)
    : instance_(instance), document_(document), profile_(profile), sound_(sound) {}

CMainFrame::~CMainFrame() {
  if (window_ != nullptr) DestroyWindow(window_);
  if (!viewDestroyed_ && view_) view_->OnDestroy();
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
}

bool CMainFrame::Create() {
  if (!ShellWin32::RegisterWindowClass(
          instance_, {.name = kFrameClass,
                      .procedure = &ShellWin32::WindowRouting::Procedure<CMainFrame>,
                      .background = COLOR_BTNFACE,
                      .icon = kProgramIcon}))
    return false;
  if (!CViewWindow::RegisterWindowClass(instance_)) return false;

  menuBar_ = BuildMenuBar(fileMenu_);
  accelerators_ = BuildAccelerators();
  const Rect placed =
      MainFramePlacement(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  window_ = CreateWindowExW(0, kFrameClass, Utf8ToWide(kApplicationTitle).c_str(),
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, placed.left, placed.top,
                            placed.right - placed.left, placed.bottom - placed.top, nullptr,
                            menuBar_, instance_, this);
  if (window_ == nullptr) return false;
  messages_.SetOwner(window_);
  if (!CreateChildren()) return false;
  DragAcceptFiles(window_, TRUE);
  UpdateTitle();
  UpdateCommandStates();
  return true;
}

bool CMainFrame::CreateChildren() {
  if (!bars_.Create(window_, instance_)) return false;
  // The view's state, profile and sound device come first; its window follows.
  view_ = std::make_unique<CSylvarineView>(
      document_, ViewServices{viewWindow_, viewWindow_, messages_, sound_, profile_});
  viewWindow_.Attach(view_.get());
  view_->PreCreateWindow();
  viewWindow_.OnStateChanged([this] { UpdateCommandStates(); });
  viewWindow_.OnDestroyed([this] {
    if (viewDestroyed_) return;
    viewDestroyed_ = true;
    view_->OnDestroy();  // stops, closes the device, saves the profile, in that order
  });
  if (viewWindow_.Create(window_, instance_) == nullptr) return false;
  Layout();
  KeepViewRowsVisible();
  return true;
}

void CMainFrame::KeepViewRowsVisible() {
  // Today's captions, menus and bars are taller than the 800 x 572 frame was made for:
  // the frame grows by what the view lacks, but never the view's rows below the trace area.
  RECT view, frame;
  GetClientRect(viewWindow_.Handle(), &view);
  const int missing = kViewMinimumHeight - (view.bottom - view.top);
  if (missing <= 0) return;
  GetWindowRect(window_, &frame);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + missing,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainFrame::Show(int showCommand) {
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
  SetFocus(viewWindow_.Handle());
}

LRESULT CMainFrame::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SETFOCUS:
      if (viewWindow_.Handle() != nullptr) SetFocus(viewWindow_.Handle());
      return 0;
    case WM_COMMAND:
      if (lParam == 0 || reinterpret_cast<HWND>(lParam) == bars_.Toolbar()) {
        RunCommand(LOWORD(wParam));
        return 0;
      }
      break;
    case WM_INITMENUPOPUP:
      if (reinterpret_cast<HMENU>(wParam) == fileMenu_) RebuildRecentFileItems(fileMenu_);
      UpdateMenuChecks(reinterpret_cast<HMENU>(wParam));
      bars_.MenuPopup();
      return 0;
    case WM_MENUSELECT:
      bars_.MenuSelect(wParam, lParam);
      return 0;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (bars_.Notify(*reinterpret_cast<const NMHDR*>(lParam), result)) return result;
      break;
    }
    case WM_DROPFILES:
      DropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_CLOSE:
      DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void CMainFrame::BeforeDispatch(const MSG& message) {
  if ((message.message == WM_KEYUP || message.message == WM_KEYDOWN) &&
      (message.wParam == VK_CAPITAL || message.wParam == VK_NUMLOCK || message.wParam == VK_SCROLL))
    bars_.RefreshLockPanes();
}

void CMainFrame::Layout() {
  if (window_ == nullptr) return;
  const RECT area = bars_.Layout(window_);
  if (viewWindow_.Handle() != nullptr)
    MoveWindow(viewWindow_.Handle(), area.left, area.top, area.right - area.left,
               area.bottom - area.top, TRUE);
}

bool CMainFrame::IsCommandChecked(uint32_t commandId) const {
  if (commandId == CommandId::ViewToolbar) return IsWindowVisible(bars_.ToolbarBand()) != FALSE;
  if (commandId == CommandId::ViewStatusBar) return IsWindowVisible(bars_.StatusBar()) != FALSE;
  return view_ != nullptr && view_->IsChecked(commandId);
}

void CMainFrame::UpdateMenuChecks(HMENU popup) {
  const int count = GetMenuItemCount(popup);
  for (int i = 0; i < count; ++i) {
    const UINT id = GetMenuItemID(popup, i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue;  // a separator or a submenu
    CheckMenuItem(popup, static_cast<UINT>(i),
                  MF_BYPOSITION | (IsCommandChecked(id) ? MF_CHECKED : MF_UNCHECKED));
  }
}

void CMainFrame::UpdateCommandStates() {
  for (const ToolbarEntry& entry : ToolbarEntries())
    if (entry.commandId != 0) bars_.SetPressed(entry.commandId, IsCommandChecked(entry.commandId));
}

void CMainFrame::ToggleBar(HWND bar) {
  ShowWindow(bar, IsWindowVisible(bar) ? SW_HIDE : SW_SHOW);
  Layout();
}

void CMainFrame::RunCommand(uint32_t commandId) {
  using namespace CommandId;
  if (IsRecentFileCommand(commandId)) {
    OpenRecentFile(commandId);
    return;
  }
  switch (commandId) {
    case FileNew: NewDocument(); break;
    case FileOpen: OpenDocument(); break;
    case FileSave: SaveDocument(); break;
    case FileSaveAs: SaveDocumentAs(); break;
    case FilePrint: Print(); break;
    case FilePrintPreview: PrintPreview(); break;
    case FilePrintSetup: PrintSetup(); break;
    case AppExit: PostMessageW(window_, WM_CLOSE, 0, 0); break;
    case AppAbout: ShowAboutBox(window_, instance_); break;
    case ViewToolbar: ToggleBar(bars_.ToolbarBand()); break;
    case ViewStatusBar: ToggleBar(bars_.StatusBar()); break;
    case Help: OpenHelpPage(window_, messages_); break;
    case WebPage: OpenWebPage(window_, messages_); break;
    case Preferences: RunPreferencesDialog(window_, instance_, *view_); break;
    case SoundMixer: StartSoundMixer(); break;
    default: view_->OnCommand(commandId); break;
  }
  UpdateCommandStates();
}
