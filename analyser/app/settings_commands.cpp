// Placeholder until the preferences dialog and launchers land.
#include "analyser/app/settings_commands.h"
void RunPreferencesDialog(QWidget*, CSylvarineView&) {}
void OpenHelpPage(QWidget*) {}
void OpenWebPage(QWidget*) {}
void StartSoundMixer() {}
