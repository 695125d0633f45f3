#include "analyser/win32/settings_commands.h"

void RunPreferencesDialog(HWND, HINSTANCE, CSylvarineView&, IMessageBox&) {}
void OpenHelpPage(HWND, IMessageBox&) {}
void OpenWebPage(HWND, IMessageBox&) {}
void StartSoundMixer() {}
