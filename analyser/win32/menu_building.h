#pragma once
// The core's menu and accelerator tables as a Win32 menu bar and accelerator table.
#include <windows.h>

// The menu bar; `fileMenu` receives the first top-level menu, which holds the recent files.
HMENU BuildMenuBar(HMENU& fileMenu);
// The accelerator table of the keys the core names; nullptr when none could be made.
HACCEL BuildAccelerators();
// Replaces the recent-file items (between the separators round them) by `names`,
// numbered "&1 " ...; an empty list shows the framework's greyed placeholder.
void SetRecentFileItems(HMENU fileMenu, const wchar_t* const* names, int count);
