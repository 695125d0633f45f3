#include "analyser/frame/preferences_template.h"

#include "analyser/settings/preferences_logic.h"

namespace {

using K = ControlKind;
using namespace PreferencesControl;
constexpr int32_t kStatic = kStaticControlId;
constexpr uint32_t kRadioFlags = ControlFlag::TextLeft;

constexpr DialogControl kControls[] = {
    {K::Frame, kStatic, "", {15, 5, 168, 68}, 0},
    {K::Picture, kStatic, "sylvarine", {15, 11, 167, 62}, 0},
    {K::GroupBox, kStatic, "Refermer:", {193, 4, 83, 50}, 0},
    {K::DefaultPushButton, Ok, "OK", {197, 14, 76, 11}, 0},
    {K::PushButton, Defaults, "Defaut", {197, 27, 76, 11}, 0},
    {K::PushButton, Cancel, "Cancel", {197, 40, 76, 11}, 0},
    {K::GroupBox, kStatic, "Aide", {193, 54, 83, 25}, 0},
    {K::PushButton, Help, "?", {197, 64, 76, 11}, 0},
    {K::GroupBox, kStatic, "Couleur du fond:", {7, 86, 88, 57}, 0},
    {K::GroupBox, kStatic, "Couleur des traces:", {103, 86, 83, 86}, 0},
    // couleur1 .. couleur8: a label and its "<>" button each.
    {K::Label, kStatic, "Oscilloscope", {15, 101, 41, 8}, 0},
    {K::PushButton, ColourButtons[0], "<>", {69, 101, 15, 11}, 0},
    {K::Label, kStatic, "V.U. Mètre", {15, 113, 35, 8}, 0},
    {K::PushButton, ColourButtons[1], "<>", {69, 114, 15, 11}, 0},
    {K::Label, kStatic, "Bargraphe", {17, 127, 34, 8}, 0},
    {K::PushButton, ColourButtons[2], "<>", {69, 127, 15, 11}, 0},
    {K::Label, kStatic, "Trace du haut", {107, 101, 46, 8}, 0},
    {K::PushButton, ColourButtons[3], "<>", {159, 101, 15, 11}, 0},
    {K::Label, kStatic, "Trace du bas", {107, 113, 43, 8}, 0},
    {K::PushButton, ColourButtons[4], "<>", {159, 114, 15, 11}, 0},
    {K::Label, kStatic, "Somme", {107, 127, 24, 8}, 0},
    {K::PushButton, ColourButtons[5], "<>", {159, 127, 15, 11}, 0},
    {K::Label, kStatic, "Différence", {107, 140, 34, 8}, 0},
    {K::PushButton, ColourButtons[6], "<>", {159, 140, 15, 11}, 0},
    {K::Label, kStatic, "Lissajou", {107, 153, 26, 8}, 0},
    {K::PushButton, ColourButtons[7], "<>", {159, 153, 15, 11}, 0},
    {K::GroupBox, kStatic, "Epaisseur des traces", {193, 86, 83, 86}, 0},
    {K::RadioButton, FirstThicknessRadio, "1 Pixel", {219, 101, 37, 10},
     kRadioFlags | ControlFlag::FirstOfGroup},
    {K::RadioButton, FirstThicknessRadio + 1, "2 Pixels", {219, 113, 37, 10}, kRadioFlags},
    {K::RadioButton, FirstThicknessRadio + 2, "3 Pixels", {219, 127, 37, 10}, kRadioFlags},
    {K::RadioButton, FirstThicknessRadio + 3, "4 Pixels", {219, 140, 37, 10}, kRadioFlags},
    {K::RadioButton, FirstThicknessRadio + 4, "5 Pixels", {219, 153, 37, 10}, kRadioFlags},
    {K::GroupBox, kStatic, "Internet:", {7, 146, 88, 26}, 0},
    {K::PushButton, WebPage, "Connexion au site...", {14, 157, 76, 11}, 0},
};

constexpr DialogTemplate kPreferences = {
    150, "Préférences", 285, 178, "MS Sans Serif", 8, kControls};

}  // namespace

const DialogTemplate& PreferencesTemplate() { return kPreferences; }
