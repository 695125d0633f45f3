#pragma once
// The main window on Win32: menu bar, toolbar and status bar around the view window, and
// the framework's file, print, about and bar commands.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "analyser/document/sylvarine_doc.h"
#include "analyser/view/sylvarine_view.h"
#include "analyser/win32/frame_bars.h"
#include "analyser/win32/print_setup.h"
#include "analyser/win32/recent_files.h"
#include "analyser/win32/view_window.h"
#include "platform/profile.h"
#include "platform/sound_input.h"
#include "shell_win32/message_box.h"
#include "shell_win32/window_class.h"

class CMainFrame {
 public:
  CMainFrame(HINSTANCE instance, CSylvarineDoc& document, IProfile& profile, ISoundInput& sound);
  ~CMainFrame();
  CMainFrame(const CMainFrame&) = delete;
  CMainFrame& operator=(const CMainFrame&) = delete;

  // Creates the window, its bars and the view (whose pre-creation step opens the sound
  // device and loads the profile); false when a part could not be made.
  bool Create();
  // Opens a snapshot; a refusal is told to the person and false returned.
  bool OpenSnapshot(const std::wstring& path);
  void Show(int showCommand);
  // Prints the snapshot on `printer` (empty: the default one) without a dialog, for the
  // shell's print verbs.
  bool PrintWithoutDialog(const std::wstring& printer);

  HWND Handle() const { return window_; }
  HACCEL Accelerators() const { return accelerators_; }
  // Keys the frame looks at before they are dispatched (lock-key panes).
  void BeforeDispatch(const MSG& message);

 private:
  friend struct ShellWin32::WindowRouting;
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool CreateChildren();
  void Layout();
  void KeepViewRowsVisible();
  void RunCommand(uint32_t commandId);
  void UpdateCommandStates();
  void UpdateMenuChecks(HMENU popup);
  bool IsCommandChecked(uint32_t commandId) const;
  void ToggleBar(HWND bar);

  // File commands (frame_files.cpp).
  void NewDocument();
  void OpenDocument();
  void SaveDocument();
  void SaveDocumentAs();
  bool SaveTo(const std::wstring& path);
  void OpenRecentFile(uint32_t commandId);
  void DropFiles(HDROP drop);
  void UpdateTitle();
  void RebuildRecentFileItems(HMENU fileMenu);

  // Printing (frame_printing.cpp).
  void Print();
  void PrintPreview();
  void PrintSetup();
  // `outputFile`: the file the page goes into; empty: the printer's port.
  bool PrintPage(HDC printer, const std::wstring& outputFile);

  HINSTANCE instance_;
  CSylvarineDoc& document_;
  IProfile& profile_;
  ISoundInput& sound_;
  ShellWin32::MessageBoxes messages_;
  CViewWindow viewWindow_;
  std::unique_ptr<CSylvarineView> view_;
  bool viewDestroyed_ = false;

  HWND window_ = nullptr;
  HMENU menuBar_ = nullptr;
  HMENU fileMenu_ = nullptr;
  HACCEL accelerators_ = nullptr;
  FrameBars bars_;
  RecentFiles recentFiles_;
  PrintSetupState printSetup_;
  std::wstring documentPath_;
};
