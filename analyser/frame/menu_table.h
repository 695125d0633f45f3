#pragma once
// The analyser's menu bar, toolbar and string table, as data the shell turns into widgets.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

enum class MenuItemKind { Popup, Command, Separator, RecentFiles };

struct MenuItem {
  int depth;  // 0 for the seven top-level menus; an entry belongs to the popup above it
  MenuItemKind kind;
  const char* text;  // "&" marks the mnemonic; MenuText adds the shortcut
  uint32_t commandId;
  bool checkable;  // whether its mark shows is the view's state, asked when a menu opens
};

std::span<const MenuItem> MenuBarItems();

// One toolbar entry; commandId 0 is a separator.
struct ToolbarEntry {
  uint32_t commandId;
  const char* iconName;  // file name without extension under the icon resources
};
std::span<const ToolbarEntry> ToolbarEntries();

constexpr int kRecentFileCount = 4;
constexpr char kIdlePrompt[] = "Pour l'aide, appuyez sur F1";

// The string-table entry of a command: status-bar prompt, then "\n" and the tooltip.
// Empty when the command has none.
std::string_view PromptString(uint32_t commandId);
std::string_view StatusPrompt(uint32_t commandId);
std::string_view Tooltip(uint32_t commandId);

// Keyboard shortcuts of the accelerator table that trigger a command.
struct Accelerator {
  const char* keys;  // portable key sequence text, e.g. "Ctrl+N", "F1"
  uint32_t commandId;
  bool namedInMenu;  // the menu shows the keys after the item's text
};
std::span<const Accelerator> Accelerators();

// The text a menu shows for an item: its own, then a tab and the keys of its accelerator
// where the menu names them.
std::string MenuText(const MenuItem& item);
