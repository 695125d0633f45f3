#pragma once
// The commands of the settings menus on Windows: preferences, help page, web page, mixer,
// and the About box.
#include <windows.h>

#include "platform/message_box.h"

class CSylvarineView;

void RunPreferencesDialog(HWND owner, HINSTANCE instance, CSylvarineView& view);
void ShowAboutBox(HWND owner, HINSTANCE instance);
void OpenHelpPage(HWND owner, IMessageBox& messages);
void OpenWebPage(HWND owner, IMessageBox& messages);
void StartSoundMixer();
