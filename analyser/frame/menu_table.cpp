#include "analyser/frame/menu_table.h"

#include "analyser/frame/accelerators.h"
#include "analyser/state/command_ids.h"

namespace {

using K = MenuItemKind;
using namespace CommandId;

constexpr MenuItem Popup(int depth, const char* text) {
  return {depth, K::Popup, text, 0, false, false};
}
constexpr MenuItem Item(int depth, const char* text, uint32_t id) {
  return {depth, K::Command, text, id, false, false};
}
constexpr MenuItem Check(int depth, const char* text, uint32_t id) {
  return {depth, K::Command, text, id, true, false};
}
constexpr MenuItem Checked(int depth, const char* text, uint32_t id) {
  return {depth, K::Command, text, id, true, true};
}
constexpr MenuItem Separator(int depth) { return {depth, K::Separator, "", 0, false, false}; }

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
    {1, K::RecentFiles, "", FileMru1, false, false},
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
    Checked(1, "A&rrêt", Stop),

    Popup(0, "Mo&de"),
    Popup(1, "&Oscilloscope"),
    Checked(2, "2 &voies décalées", StereoOffset),
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
    Checked(2, "1 ms.", TimeBase1ms),
    Check(2, "0.5 ms.", TimeBase05ms),
    Check(2, "0.2 ms.", TimeBase02ms),
    Popup(1, "&Rafraîchissement"),
    Check(2, "Rapide", RefreshFast),
    Checked(2, "Moyen", RefreshMedium),
    Check(2, "Lent", RefreshSlow),
    Popup(1, "&Amplification Vert."),
    Checked(2, "X 1", Gain1),
    Check(2, "X 2", Gain2),
    Check(2, "X 5", Gain5),
    Popup(1, "&Echelle Verticale"),
    Checked(2, "DB.", ScaleDecibel),
    Check(2, "Linéaire", ScaleLinear),
    Popup(2, "2 voies décalées"),
    Checked(3, "Droite", ScaleRight),
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

}  // namespace

std::span<const MenuItem> MenuBarItems() { return kMenuBar; }

std::string MenuText(const MenuItem& item) {
  std::string text = item.text;
  for (const Accelerator& accelerator : Accelerators()) {
    if (accelerator.commandId == item.commandId && item.kind == MenuItemKind::Command &&
        accelerator.namedInMenu)
      text.append("\t").append(accelerator.keys);
  }
  return text;
}
