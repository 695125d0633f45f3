#include "analyser/settings/profile_settings.h"

#include "analyser/settings/settings_defaults.h"

namespace {

constexpr char kSection[] = "settings";
constexpr char kThicknessKey[] = "trace";
constexpr const char* kColourKeys[kColourCount] = {"couleur1", "couleur2", "couleur3",
                                                   "couleur4", "couleur5", "couleur6",
                                                   "couleur7", "couleur8"};

Colour ViewState::* const kColourFields[kColourCount] = {
    &ViewState::scopeBackgroundColour, &ViewState::vuBackgroundColour,
    &ViewState::bargraphBackgroundColour, &ViewState::topTraceColour,
    &ViewState::bottomTraceColour, &ViewState::sumTraceColour,
    &ViewState::differenceTraceColour, &ViewState::lissajousTraceColour};

// The nine values are always written together, so a missing thickness means a first run.
// Two different defaults tell a missing entry from any stored value.
bool HasStoredSettings(IProfile& profile) {
  return profile.ReadProfileInt(kSection, kThicknessKey, -1) != -1 ||
         profile.ReadProfileInt(kSection, kThicknessKey, -2) != -2;
}

void WriteAll(IProfile& profile, const Colour (&colours)[kColourCount], int32_t thickness) {
  for (int i = 0; i < kColourCount; ++i)
    profile.WriteProfileInt(kSection, kColourKeys[i], static_cast<int32_t>(colours[i]));
  profile.WriteProfileInt(kSection, kThicknessKey, thickness);
}

}  // namespace

void LoadProfileSettings(ViewState& state, IProfile& profile) {
  if (!HasStoredSettings(profile))
    WriteAll(profile, kDefaultPreferences.colours, kDefaultPreferences.traceThickness);
  for (int i = 0; i < kColourCount; ++i)
    state.*kColourFields[i] = static_cast<Colour>(profile.ReadProfileInt(kSection, kColourKeys[i], 0));
  state.traceThickness = profile.ReadProfileInt(kSection, kThicknessKey, 0);
}

void SaveProfileSettings(const ViewState& state, IProfile& profile) {
  Colour colours[kColourCount];
  for (int i = 0; i < kColourCount; ++i) colours[i] = state.*kColourFields[i];
  WriteAll(profile, colours, state.traceThickness);
}
