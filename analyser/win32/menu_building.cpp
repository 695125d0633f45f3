#include "analyser/win32/menu_building.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "analyser/frame/accelerators.h"
#include "analyser/frame/menu_table.h"
#include "analyser/frame/recent_files.h"
#include "platform/windows/wide_text.h"

namespace {

constexpr int kMostDepth = 8;

// "Ctrl+N", "Shift+F6", "F1": modifiers, then one key.
bool ParseKeys(std::string_view keys, ACCEL& accel) {
  accel.fVirt = FVIRTKEY;
  while (true) {
    const std::size_t plus = keys.find('+');
    if (plus == std::string_view::npos || plus + 1 == keys.size()) break;
    const std::string_view modifier = keys.substr(0, plus);
    if (modifier == "Ctrl") accel.fVirt |= FCONTROL;
    else if (modifier == "Shift") accel.fVirt |= FSHIFT;
    else if (modifier == "Alt") accel.fVirt |= FALT;
    else return false;
    keys.remove_prefix(plus + 1);
  }
  if (keys.size() == 1 && ((keys[0] >= 'A' && keys[0] <= 'Z') || (keys[0] >= '0' && keys[0] <= '9'))) {
    accel.key = static_cast<WORD>(keys[0]);
    return true;
  }
  if (keys.size() >= 2 && keys[0] == 'F') {
    const int number = std::atoi(std::string(keys.substr(1)).c_str());
    if (number < 1 || number > 24) return false;
    accel.key = static_cast<WORD>(VK_F1 + number - 1);
    return true;
  }
  if (keys == "Insert") accel.key = VK_INSERT;
  else if (keys == "Delete") accel.key = VK_DELETE;
  else if (keys == "Backspace") accel.key = VK_BACK;
  else return false;
  return true;
}

}  // namespace

HMENU BuildMenuBar(HMENU& fileMenu) {
  HMENU bar = CreateMenu();
  HMENU stack[kMostDepth] = {bar};
  fileMenu = nullptr;
  for (const MenuItem& item : MenuBarItems()) {
    if (item.depth + 1 >= kMostDepth) continue;
    HMENU parent = stack[item.depth];
    const std::wstring text = Utf8ToWide(MenuText(item));
    switch (item.kind) {
      case MenuItemKind::Popup: {
        HMENU popup = CreatePopupMenu();
        AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), text.c_str());
        stack[item.depth + 1] = popup;
        if (item.depth == 0 && fileMenu == nullptr) fileMenu = popup;
        break;
      }
      case MenuItemKind::Separator:
        AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
        break;
      case MenuItemKind::RecentFiles:
        // Stands where the list goes until the list is known.
        AppendMenuW(parent, MF_STRING | MF_GRAYED, item.commandId,
                    Utf8ToWide(kNoRecentFileText).c_str());
        break;
      case MenuItemKind::Command:
        // The marks of the menu resource, until the check rules take over.
        AppendMenuW(parent, MF_STRING | (item.checkedAtStart ? MF_CHECKED : MF_UNCHECKED),
                    item.commandId, text.c_str());
        break;
    }
  }
  return bar;
}

HACCEL BuildAccelerators() {
  std::vector<ACCEL> table;
  // The framework's edit and pane keys too: no handler answers them.
  for (const auto& keys : {Accelerators(), UnhandledAccelerators()}) {
    for (const Accelerator& accelerator : keys) {
      ACCEL accel{};
      if (!ParseKeys(accelerator.keys, accel)) continue;
      accel.cmd = static_cast<WORD>(accelerator.commandId);
      table.push_back(accel);
    }
  }
  if (table.empty()) return nullptr;
  return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

void SetRecentFileItems(HMENU fileMenu, const std::vector<std::wstring>& names) {
  if (fileMenu == nullptr) return;
  int position = -1;
  for (int i = GetMenuItemCount(fileMenu) - 1; i >= 0; --i) {
    if (!IsRecentFileCommand(GetMenuItemID(fileMenu, i))) continue;
    DeleteMenu(fileMenu, static_cast<UINT>(i), MF_BYPOSITION);
    position = i;
  }
  if (position < 0) return;
  if (names.empty()) {
    InsertMenuW(fileMenu, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING | MF_GRAYED,
                RecentFileCommandOf(0), Utf8ToWide(kNoRecentFileText).c_str());
    return;
  }
  for (int i = 0; i < static_cast<int>(names.size()) && i < kRecentFileCount; ++i) {
    const std::string text = RecentFileMenuText(i, WideToUtf8(names[static_cast<std::size_t>(i)]));
    InsertMenuW(fileMenu, static_cast<UINT>(position + i), MF_BYPOSITION | MF_STRING,
                RecentFileCommandOf(i), Utf8ToWide(text).c_str());
  }
}
