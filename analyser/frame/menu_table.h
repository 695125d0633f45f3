#pragma once
// The analyser's menu bar, as data the shell turns into menus.
#include <cstdint>
#include <span>
#include <string>

// The resource number of the frame's menu, toolbar, accelerators and icon.
constexpr int32_t kFrameResourceId = 128;

enum class MenuItemKind { Popup, Command, Separator, RecentFiles };

struct MenuItem {
  int depth;  // 0 for the seven top-level menus; an entry belongs to the popup above it
  MenuItemKind kind;
  const char* text;  // "&" marks the mnemonic; MenuText adds the shortcut
  uint32_t commandId;
  bool checkable;  // whether its mark shows is the view's state, asked when a menu opens
  bool checkedAtStart;  // marked in the menu resource, as the start-up state is
};

std::span<const MenuItem> MenuBarItems();

// The text a menu shows for an item: its own, then a tab and the keys of its accelerator
// where the menu names them.
std::string MenuText(const MenuItem& item);
