#pragma once
// Commands of the analyser that open dialogs or start other programs.
class QWidget;
class CSylvarineView;

// Preferences: edits the nine preferences; the view is repainted in every case.
void RunPreferencesDialog(QWidget* parent, CSylvarineView& view);
// The help page and the web page in the browser.
void OpenHelpPage(QWidget* parent);
void OpenWebPage(QWidget* parent);
// The sound mixer: the desktop's; nothing is reported when none starts.
void StartSoundMixer();
