#include "analyser/frame/menu_table.h"

#include "analyser/state/command_ids.h"

namespace {

using K = MenuItemKind;
using namespace CommandId;

constexpr MenuItem Popup(int depth, const char* text) { return {depth, K::Popup, text, 0, false}; }
constexpr MenuItem Item(int depth, const char* text, uint32_t id, bool checkable = false) {
  return {depth, K::Command, text, id, checkable};
}
constexpr MenuItem Check(int depth, const char* text, uint32_t id) {
  return Item(depth, text, id, true);
}
constexpr MenuItem Separator(int depth) { return {depth, K::Separator, "", 0, false}; }

constexpr MenuItem kMenuBar[] = {
    Popup(0, "&Fichier"),
    Item(1, "&Nouveau", FileNew),
    Item(1, "&Ouvrir...", FileOpen),
    Item(1, "&Enregistrer", FileSave),
    Item(1, "En&registrer sous...", FileSaveAs),
    Separator(1),
    Item(1, "&Imprimer...", FilePrint),
    Item(1, "Aperçu a&vant impression", FilePrintPreview),
    Item(1, "C&onfiguration de l'impression...", FilePrintSetup),
    Separator(1),
    {1, K::RecentFiles, "", FileMru1, false},
    Separator(1),
    Item(1, "&Quitter", AppExit),

    Popup(0, "&Affichage"),
    Check(1, "&Barre d'outils", ViewToolbar),
    Check(1, "Barre d'é&tat", ViewStatusBar),
    Check(1, "&Grille", Grid),

    Popup(0, "&?"),
    Separator(1),
    Item(1, "&A propos de Sylvarine", AppAbout),
    Item(1, "Aide du programme", Help),

    Popup(0, "&Mesure"),
    Check(1, "M&arche", Start),
    Check(1, "A&rrêt", Stop),

    Popup(0, "Mo&de"),
    Popup(1, "&Oscilloscope"),
    Check(2, "2 &voies décalées", StereoOffset),
    Check(2, "2 v&oies superposées", StereoOverlay),
    Check(2, "&Somme", Sum),
    Check(2, "&Différence", Difference),
    Check(2, "&Lissajous", Lissajous),
    Check(1, "&Spectrographe", Spectrograph),
    Check(1, "&V.U. Mètres", VuMeters),
    Check(1, "&Bargraphes", Bargraphs),

    Popup(0, "&Réglages"),
    Popup(1, "&Base de Temps"),
    Check(2, "50 ms.", TimeBase50ms),
    Check(2, "20 ms.", TimeBase20ms),
    Check(2, "10 ms.", TimeBase10ms),
    Check(2, "5 ms.", TimeBase5ms),
    Check(2, "2 ms.", TimeBase2ms),
    Check(2, "1 ms.", TimeBase1ms),
    Check(2, "0.5 ms.", TimeBase05ms),
    Check(2, "0.2 ms.", TimeBase02ms),
    Popup(1, "&Rafraîchissement"),
    Check(2, "Rapide", RefreshFast),
    Check(2, "Moyen", RefreshMedium),
    Check(2, "Lent", RefreshSlow),
    Popup(1, "&Amplification Vert."),
    Check(2, "X 1", Gain1),
    Check(2, "X 2", Gain2),
    Check(2, "X 5", Gain5),
    Popup(1, "&Echelle Verticale"),
    Check(2, "DB.", ScaleDecibel),
    Check(2, "Linéaire", ScaleLinear),
    Popup(2, "2 voies décalées"),
    Check(3, "Droite", ScaleRight),
    Check(3, "Gauche", ScaleLeft),
    Popup(1, "&Spectrographe"),
    Popup(2, "&Integration"),
    Check(3, "&Off", IntegrationOff),
    Check(3, "&Courte", IntegrationShort),
    Check(3, "&Moyenne", IntegrationMedium),
    Check(3, "&Longue", IntegrationLong),
    Popup(2, "&Compression"),
    Check(3, "Off", CompressionOff),
    Check(3, "&Commune", CompressionCommon),
    Check(3, "&Indépendant", CompressionIndependent),
    Separator(1),
    Item(1, "Réglage Carte &Son", SoundMixer),

    Popup(0, "&Options"),
    Item(1, "&Préférences", Preferences),
    Item(1, "&Connexion ...", WebPage),
};

constexpr ToolbarEntry kToolbar[] = {
    {FileNew, "new"},
    {FileOpen, "open"},
    {FileSave, "save"},
    {0, nullptr},
    {FilePrintPreview, "preview"},
    {FilePrint, "print"},
    {0, nullptr},
    {AppAbout, "about"},
    {Help, "help"},
    {0, nullptr},
    {StereoOffset, "offset"},
    {StereoOverlay, "overlay"},
    {Sum, "sum"},
    {Difference, "difference"},
    {Lissajous, "lissajous"},
    {Spectrograph, "spectrograph"},
    {VuMeters, "vumeters"},
    {Bargraphs, "bargraphs"},
    {0, nullptr},
    {SoundMixer, "mixer"},
    {0, nullptr},
    {Start, "start"},
    {Stop, "stop"},
};

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

constexpr char kRecentFilePrompt[] = "Ouvre ce document";

// Every key is named after its item's text in the menu, except F1: "Aide du programme"
// does not show it.
constexpr Accelerator kAccelerators[] = {
    {"Ctrl+N", FileNew, true}, {"Ctrl+O", FileOpen, true}, {"Ctrl+S", FileSave, true},
    {"Ctrl+P", FilePrint, true}, {"F1", Help, false},
};

}  // namespace

std::span<const MenuItem> MenuBarItems() { return kMenuBar; }
std::span<const ToolbarEntry> ToolbarEntries() { return kToolbar; }
std::span<const Accelerator> Accelerators() { return kAccelerators; }

std::string MenuText(const MenuItem& item) {
  std::string text = item.text;
  for (const Accelerator& accelerator : kAccelerators) {
    if (accelerator.commandId == item.commandId && item.kind == MenuItemKind::Command &&
        accelerator.namedInMenu)
      text.append("\t").append(accelerator.keys);
  }
  return text;
}

std::string_view PromptString(uint32_t commandId) {
  if (commandId >= FileMru1 && commandId < FileMru1 + kRecentFileCount) return kRecentFilePrompt;
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
