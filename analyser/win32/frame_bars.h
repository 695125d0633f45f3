#pragma once
// The frame's toolbar (in a band with a gripper) and status bar: the buttons of the
// core's toolbar table with their tooltips and fly-by prompts, the six panes, the prompts
// of menu items over the whole bar, and the status bar's clock (timer 4096).
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "analyser/frame/status_bar.h"

class FrameBars {
 public:
  FrameBars() = default;
  ~FrameBars();
  FrameBars(const FrameBars&) = delete;
  FrameBars& operator=(const FrameBars&) = delete;

  // False when a bar could not be made (the frame then fails to be created).
  bool Create(HWND frame, HINSTANCE instance);
  // Sizes the bars to the frame's client area and returns what is left for the view.
  RECT Layout(HWND frame);

  HWND Toolbar() const { return toolbar_; }
  HWND ToolbarBand() const { return rebar_; }
  HWND StatusBar() const { return status_; }

  // A button shows pressed while its command's check rule holds.
  void SetPressed(uint32_t commandId, bool pressed);
  // WM_MENUSELECT and WM_INITMENUPOPUP: the highlighted item's prompt in pane 0, which
  // spreads over the whole bar while menus are open; the panes come back when they close.
  void MenuSelect(WPARAM wParam, LPARAM lParam);
  void MenuPopup();
  // Tooltips and fly-by prompts; true when the notification was the bars'.
  bool Notify(const NMHDR& header, LRESULT& result);
  // The lock-key panes follow the keyboard.
  void RefreshLockPanes();

 private:
  static LRESULT CALLBACK StatusProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  bool CreateToolbar(HWND frame, HINSTANCE instance);
  bool CreateStatusBar(HWND frame, HINSTANCE instance);
  void RefreshClock();
  void SetPaneWidths();
  void ShowInPaneZero(const std::wstring& text);
  int TextWidth(const std::wstring& text) const;

  HWND rebar_ = nullptr;
  HWND toolbar_ = nullptr;
  HWND status_ = nullptr;
  HIMAGELIST images_ = nullptr;
  std::wstring paneTexts_[kTimePaneIndex + 1];
  std::wstring tooltip_;  // lives while the tooltip shows it
  MenuPromptPane prompts_;
  bool spreadPane_ = false;
};
