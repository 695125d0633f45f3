#pragma once
// The system's volume control that "Réglage Carte &Son" starts on Windows, tried in this
// order: the one the analyser was made for, then the one that replaced it in later Windows.
inline constexpr const char* kWindowsMixerPrograms[] = {"sndvol32.exe", "sndvol.exe"};
