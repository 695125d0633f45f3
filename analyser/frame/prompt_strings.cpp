#include "analyser/frame/prompt_strings.h"

#include "analyser/frame/recent_files.h"
#include "analyser/state/command_ids.h"

namespace {

using namespace CommandId;

struct PromptEntry {
  uint32_t commandId;
  const char* text;
};

constexpr PromptEntry kPrompts[] = {
    {FileNew, "Crée un nouvel oscillographe\nNouvel oscillographe"},
    {FileOpen, "Ouvre un oscillographe existant\nOuvrir un oscillographe"},
    {FileSave, "Enregistre l'oscillographe actif\nEnregistrer l'oscillographe"},
    {FileSaveAs,
     "Enregistre l'oscillographe actif sous un nouveau nom\nEnregistrer l'oscillographe sous..."},
    {FilePrintSetup,
     "Change les options d'imprimante et d'impression\nConfiguration de l'impression"},
    {FilePrint, "Imprime l'oscillographe actif\nImprimer l'oscillographe"},
    {FilePrintPreview, "Affiche des pages entières\nAperçu avant impression"},
    {AppExit, "Ferme l'application ; propose d'enregistrer les documents\nQuitter"},
    {ViewToolbar, "Affiche ou masque la barre d'outils\nBarre d'outils"},
    {ViewStatusBar, "Affiche ou masque la barre d'état\nBarre d'état"},
    {AppAbout, "Affiche des informations sur le programme\nA propos de"},
    {Start, "Démarrage de la mesure.\nDémarrage de la mesure."},
    {Stop, "Arrêt de la mesure.\nArrêt de la mesure."},
    {StereoOffset, "Affichage 2 voies Décalées\n2 voies Décalées"},
    {StereoOverlay, "Affichage 2 voies superposées.\n2voies superposées"},
    {Sum, "Affichage somme des 2 voies.\nSomme"},
    {Difference, "Affichage Différence des 2 voies.\nDifférence"},
    {Lissajous, "Affichage figure de Lissajous.\nLissajous"},
    {Spectrograph, "Affichage en mode Spectrographe.\nSpectrographe"},
    {VuMeters, "Affichage en mode V.U.mètres.\nV.U.mètres"},
    {Bargraphs, "Affichage mode Bargraphes.\nBargraphes"},
    {TimeBase50ms, "Base de temps = 50 ms.\nBase de temps = 50 ms."},
    {TimeBase20ms, "Base de temps = 20 ms.\nBase de temps = 20 ms."},
    {TimeBase10ms, "Base de temps = 10 ms.\nBase de temps = 10 ms."},
    {TimeBase5ms, "Base de temps = 5 ms.\nBase de temps = 5 ms."},
    {TimeBase2ms, "Base de temps = 2 ms.\nBase de temps = 2 ms."},
    {TimeBase1ms, "Base de temps = 1 ms.\nBase de temps = 1 ms."},
    {TimeBase05ms, "Base de temps = 0.5 ms.\nBase de temps = 0.5 ms."},
    {TimeBase02ms, "Base de temps = 0.2 ms.\nBase de temps = 0.2 ms."},
    {RefreshFast, "Rafraîchissement rapide de l'affichage."},
    {RefreshMedium, "Vitesse de rafraîchissement de l'affichage moyenne."},
    {RefreshSlow, "Rafraîchissement lent de l'affichage."},
    {Gain1, "Amplitude verticale x1.\nAmplitude verticale x1"},
    {Gain2, "Amplitude verticale x2.\nAmplitude verticale x2."},
    {Gain5, "Amplitude verticale x5.\nAmplitude verticale x5."},
    {ScaleDecibel, "Echelle verticale graduée en decibels."},
    {ScaleLinear, "Echelle verticale graduée linéairement."},
    {ScaleRight, "Affichage de l'échelle verticale pour la voie Droite uniquement."},
    {ScaleLeft, "Affichage de l'échelle verticale pour la voie Gauche uniquement."},
    {Grid, "Affiche ou masque la grille.\nAffiche ou masque la grille."},
    {Help, "Aide\nAide"},
    {WebPage, "Connexion au site Internet"},
    {SoundMixer, "Réglage de la carte son.\nRéglage de la carte son."},
};

}  // namespace

std::string_view PromptString(uint32_t commandId) {
  if (IsRecentFileCommand(commandId)) return kRecentFilePrompt;
  for (const PromptEntry& entry : kPrompts)
    if (entry.commandId == commandId) return entry.text;
  return {};
}

std::string_view StatusPrompt(uint32_t commandId) {
  const std::string_view text = PromptString(commandId);
  return text.substr(0, text.find('\n'));
}

std::string_view Tooltip(uint32_t commandId) {
  const std::string_view text = PromptString(commandId);
  const std::size_t newline = text.find('\n');
  return newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
}
