#pragma once
// The destination prompt, CDestinationDlg: the proposal in an editable field, OK
// (default) and Cancel, built from the core's layout in dialog units.
#include <windows.h>

#include <string>
#include <string_view>

#include "installer/prompts/installer_ui.h"

// `destination` holds the proposal and, after OK, the answer. Without an owner the
// dialog is centred on the screen; with one it stands above its status line.
DestinationAnswer AskDestinationDialog(HINSTANCE instance, HWND owner, std::string_view prompt,
                                       std::string& destination);
