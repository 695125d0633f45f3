#pragma once
// Commands of the analyser that open dialogs or start other programs.
class QWidget;
class CSylvarineView;

// "&Préférences": edits the nine preferences; the view is repainted in every case.
void RunPreferencesDialog(QWidget* parent, CSylvarineView& view);
// "Aide du programme" (help.htm) and "&Connexion ..." (connect.htm) in the browser.
void OpenHelpPage(QWidget* parent);
void OpenWebPage(QWidget* parent);
// "Réglage Carte &Son": the desktop's mixer; nothing is reported when none starts.
void StartSoundMixer();
