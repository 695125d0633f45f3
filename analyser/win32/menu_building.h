#pragma once
// The core's menu and accelerator tables as a Win32 menu bar and accelerator table.
#include <windows.h>

#include <string>
#include <vector>

// The menu bar; `fileMenu` receives the first top-level menu, which holds the recent files.
HMENU BuildMenuBar(HMENU& fileMenu);
// The accelerator table of the keys the core names; nullptr when none could be made.
HACCEL BuildAccelerators();
// Replaces the recent-file items by those of the files `names`; an empty list shows the
// framework's greyed placeholder.
void SetRecentFileItems(HMENU fileMenu, const std::vector<std::wstring>& names);
