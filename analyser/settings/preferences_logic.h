#pragma once
// What the preferences dialog edits: a copy of the nine preferences, the check
// state of the five thickness radios, and how the result reaches the view.
#include <array>
#include <cstdint>

#include "analyser/settings/settings_defaults.h"
#include "analyser/state/view_state.h"
#include "platform/invalidation.h"

// Control identifiers of the dialog.
namespace PreferencesControl {
constexpr int32_t Ok = 1, Cancel = 2;
constexpr int32_t Defaults = 1027, Help = 1026, WebPage = 1025;
constexpr int32_t FirstThicknessRadio = 1008;  // 1008..1012: 1 to 5 pixels
// "<>" buttons, in the order couleur1 .. couleur8.
constexpr int32_t ColourButtons[kColourCount] = {1003, 1004, 1018, 1019, 1020, 1021, 1022, 1023};
}  // namespace PreferencesControl

constexpr int kThicknessChoices = 5;

// What is left for the dialog to do after a click on one of its controls.
enum class PreferencesReply {
  Nothing, CloseOk, CloseCancel, ChooseColour, OpenHelpPage, OpenWebPage
};

class PreferencesModel {
 public:
  // The dialog opens on the view's current values.
  explicit PreferencesModel(const ViewState& state);

  const PreferenceValues& Values() const { return values_; }
  // Check state of the radios for 1 to 5 pixels.
  const std::array<bool, kThicknessChoices>& ThicknessChecks() const { return checks_; }

  // A confirmed colour chooser; `element` is 0 for couleur1 .. 7 for couleur8.
  void ChooseColour(int element, Colour colour);
  // A thickness radio; `pixels` is 1 to 5.
  void ChooseThickness(int32_t pixels);
  // "Defaut": the default table, which the dialog then applies as OK does.
  void ApplyDefaults();

  // A click on the control `controlId`: a thickness radio and "Defaut" change the values
  // here; the rest is the dialog's to do (a "<>" button runs the colour chooser).
  PreferencesReply Click(int32_t controlId);

  // Index of the colour element a "<>" button edits, or -1.
  static int ColourElementOf(int32_t controlId);
  // Thickness a radio stands for, or 0.
  static int32_t ThicknessOf(int32_t controlId);

  // Takes the nine values over into the view; the pens are rebuilt at the next paint.
  void CopyOut(ViewState& state) const;

 private:
  // Clears every radio, then checks the one of the current thickness, if any.
  void ResynchroniseThickness();

  PreferenceValues values_;
  std::array<bool, kThicknessChoices> checks_{};
};

// The end of the dialog: OK hands the values to the view; in every case the whole
// view is repainted with its background erased.
void FinishPreferences(const PreferencesModel& model, bool accepted, ViewState& state,
                       IInvalidation& invalidation);
