#include "analyser/settings/preferences_logic.h"

namespace {

// couleur1 .. couleur8.
Colour ViewState::* const kColourFields[kColourCount] = {
    &ViewState::scopeBackgroundColour, &ViewState::vuBackgroundColour,
    &ViewState::bargraphBackgroundColour, &ViewState::topTraceColour,
    &ViewState::bottomTraceColour, &ViewState::sumTraceColour,
    &ViewState::differenceTraceColour, &ViewState::lissajousTraceColour};

}  // namespace

PreferencesModel::PreferencesModel(const ViewState& state) : values_{} {
  for (int i = 0; i < kColourCount; ++i) values_.colours[i] = state.*kColourFields[i];
  values_.traceThickness = state.traceThickness;
  ResynchroniseThickness();
}

void PreferencesModel::ChooseColour(int element, Colour colour) {
  if (element < 0 || element >= kColourCount) return;
  values_.colours[element] = colour & 0x00FFFFFFu;  // solid colours only
  ResynchroniseThickness();
}

void PreferencesModel::ChooseThickness(int32_t pixels) {
  if (pixels < 1 || pixels > kThicknessChoices) return;
  values_.traceThickness = pixels;
  ResynchroniseThickness();
}

void PreferencesModel::ApplyDefaults() {
  values_ = kDefaultPreferences;
  ResynchroniseThickness();
}

PreferencesReply PreferencesModel::Click(int32_t controlId) {
  namespace C = PreferencesControl;
  if (const int32_t pixels = ThicknessOf(controlId); pixels != 0) {
    ChooseThickness(pixels);
    return PreferencesReply::Nothing;
  }
  if (ColourElementOf(controlId) >= 0) return PreferencesReply::ChooseColour;
  switch (controlId) {
    case C::Ok: return PreferencesReply::CloseOk;
    case C::Cancel: return PreferencesReply::CloseCancel;
    case C::Defaults: ApplyDefaults(); return PreferencesReply::CloseOk;
    case C::Help: return PreferencesReply::OpenHelpPage;
    case C::WebPage: return PreferencesReply::OpenWebPage;
    default: return PreferencesReply::Nothing;
  }
}

int PreferencesModel::ColourElementOf(int32_t controlId) {
  for (int i = 0; i < kColourCount; ++i)
    if (PreferencesControl::ColourButtons[i] == controlId) return i;
  return -1;
}

int32_t PreferencesModel::ThicknessOf(int32_t controlId) {
  const int32_t pixels = controlId - PreferencesControl::FirstThicknessRadio + 1;
  return pixels >= 1 && pixels <= kThicknessChoices ? pixels : 0;
}

void PreferencesModel::CopyOut(ViewState& state) const {
  for (int i = 0; i < kColourCount; ++i) state.*kColourFields[i] = values_.colours[i];
  state.traceThickness = values_.traceThickness;
  state.resourcesPending = 1;
}

void PreferencesModel::ResynchroniseThickness() {
  checks_.fill(false);
  const int32_t thickness = values_.traceThickness;
  if (thickness >= 1 && thickness <= kThicknessChoices)
    checks_[static_cast<std::size_t>(thickness - 1)] = true;
}

void FinishPreferences(const PreferencesModel& model, bool accepted, ViewState& state,
                       IInvalidation& invalidation) {
  if (accepted) model.CopyOut(state);
  invalidation.Invalidate(nullptr, true);
}
