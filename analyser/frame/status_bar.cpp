#include "analyser/frame/status_bar.h"

namespace {

constexpr StatusPane kPanes[] = {
    {0, 0, PaneKind::Prompt, "", nullptr},
    {1, kCapsLockPaneId, PaneKind::CapsLock, "MAJ", nullptr},
    {2, kNumLockPaneId, PaneKind::NumLock, "NUM", nullptr},
    {3, kScrollLockPaneId, PaneKind::ScrollLock, "DEF", nullptr},
    {kDatePaneIndex, kDatePaneId, PaneKind::Date, "Date", "%x"},
    {kTimePaneIndex, kTimePaneId, PaneKind::Time, "Time", "%X"},
};

}  // namespace

std::span<const StatusPane> StatusPanes() { return kPanes; }

std::optional<PaneLayout> MenuPromptPane::OnMenuSelect(bool menuClosing) {
  if (menuClosing && savedPaneWidth != -1) {
    menuItemSelected = 0;
    const PaneLayout saved{savedPaneId, savedPaneStyle, savedPaneWidth};
    savedPaneWidth = -1;
    return saved;
  }
  menuItemSelected = 1;
  return std::nullopt;
}

std::optional<PaneLayout> MenuPromptPane::OnInitMenuPopup(const PaneLayout& paneZero) {
  if (savedPaneWidth != -1 || menuItemSelected != 1) return std::nullopt;
  savedPaneId = paneZero.id;
  savedPaneStyle = paneZero.style;
  savedPaneWidth = paneZero.width;
  return PaneLayout{paneZero.id, kWidePaneStyle, kWidePaneWidth};
}
