#pragma once
// The toolbar: its buttons left to right, the size of their images and how it docks.
#include <cstdint>
#include <span>

// One toolbar entry; commandId 0 is a separator.
struct ToolbarEntry {
  uint32_t commandId;
  const char* iconName;  // file name without extension under the icon resources
};
std::span<const ToolbarEntry> ToolbarEntries();

constexpr int32_t kToolbarButtonImageWidth = 19, kToolbarButtonImageHeight = 22;

// Flat, with a gripper, tooltips and fly-by prompts in pane 0, sized to its buttons; it
// starts docked at the top and docks on any side.
struct ToolbarStyle {
  bool flat, gripper, tooltips, flyByPrompts, dynamicSize, startsDockedAtTop, docksOnAnySide;
};
constexpr ToolbarStyle kToolbarStyle = {true, true, true, true, true, true, true};

// The bar's own title, shown where it floats and in the list of bars.
constexpr char kToolbarTitle[] = "Barre d'outils";
