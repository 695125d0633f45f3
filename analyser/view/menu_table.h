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
// Where the profile keeps the recent files: entries "File1" .. "File4" of this section.
constexpr char kRecentFileSection[] = "Recent File List";
constexpr char kRecentFileEntryPrefix[] = "File";
// The greyed item that stands for an empty list.
constexpr char kNoRecentFileText[] = "Fichier récent";
constexpr char kIdlePrompt[] = "Pour l'aide, appuyez sur F1";

// The status bar's six panes, left to right: the prompts (stretching), the three lock-key
// indicators, then the date and the time, formatted in the user's locale at every tick.
enum class StatusPaneKind { Prompt, CapsLock, NumLock, ScrollLock, Date, Time };
struct StatusPane {
  StatusPaneKind kind;
  uint32_t id;
  const char* text;    // an indicator's text, or the string-table text of a clock pane
  const char* format;  // strftime format of a clock pane
};
constexpr StatusPane kStatusPanes[] = {
    {StatusPaneKind::Prompt, 0, "", nullptr},
    {StatusPaneKind::CapsLock, 0xE701, "MAJ", nullptr},
    {StatusPaneKind::NumLock, 0xE702, "NUM", nullptr},
    {StatusPaneKind::ScrollLock, 0xE703, "DEF", nullptr},
    {StatusPaneKind::Date, 102, "Date", "%x"},
    {StatusPaneKind::Time, 103, "Time", "%X"},
};
constexpr uint32_t kStatusClockPeriodMs = 1000;

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
