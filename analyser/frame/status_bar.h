#pragma once
// The status bar: six panes, a clock that keeps the date and time current, and pane 0
// spread over the whole bar while a menu is open, so that long prompts show whole.
#include <cstdint>
#include <optional>
#include <span>

enum class PaneKind { Prompt, CapsLock, NumLock, ScrollLock, Date, Time };

struct StatusPane {
  int32_t index;  // left to right
  uint32_t id;    // 0 for pane 0, the separator
  PaneKind kind;
  // What the pane shows: the lock indicator's text, or the string-table text that
  // stands for the date or the time; pane 0 shows the prompts.
  const char* text;
  // Date and time: a strftime format in the current locale; the pane is as wide as its text.
  const char* timeFormat;
};
std::span<const StatusPane> StatusPanes();

constexpr int32_t kDatePaneIndex = 4, kTimePaneIndex = 5;
constexpr uint32_t kDatePaneId = 102, kTimePaneId = 103;
// The framework's lock-key indicators.
constexpr uint32_t kCapsLockPaneId = 0xE701, kNumLockPaneId = 0xE702, kScrollLockPaneId = 0xE703;
// A timer of the status bar: each tick brings the date and time panes up to date.
constexpr uint32_t kStatusClockPeriodMs = 1000;

namespace PaneStyle {
constexpr uint32_t Stretch = 1, NoBorders = 2;
}

// Pane 0's identifier, style and width.
struct PaneLayout {
  uint32_t id;
  uint32_t style;  // PaneStyle bits
  int32_t width;
};
// What pane 0 becomes while a menu is open: as wide as any bar.
constexpr int32_t kWidePaneWidth = 16384;
constexpr uint32_t kWidePaneStyle = PaneStyle::Stretch | PaneStyle::NoBorders;

// The frame's menu handlers around pane 0: its layout is saved when a pop-up menu opens
// after an item was highlighted, and given back when the menu closes.
class MenuPromptPane {
 public:
  // An item was highlighted, or the menu closed (`menuClosing`). Returns the layout
  // to give pane 0 back, when one was saved.
  std::optional<PaneLayout> OnMenuSelect(bool menuClosing);
  // A pop-up menu is about to open; `paneZero` is pane 0's layout now. Returns the wide
  // layout to give pane 0, when it is to spread.
  std::optional<PaneLayout> OnInitMenuPopup(const PaneLayout& paneZero);

  bool Spread() const { return savedPaneWidth != -1; }

 private:
  uint32_t savedPaneId = 0;
  uint32_t savedPaneStyle = 0;
  int32_t savedPaneWidth = -1;  // -1: nothing saved
  int32_t menuItemSelected = 0;
};
