#pragma once
// The preferences dialog on Qt: the template's controls, their clicks handed to the model.
#include <QDialog>
#include <array>

#include "analyser/settings/preferences_logic.h"

class QRadioButton;

class PreferencesDialog : public QDialog {
  Q_OBJECT

 public:
  PreferencesDialog(PreferencesModel& model, QWidget* parent);

 private:
  void OnClick(int32_t controlId);
  void ChooseColour(int element);
  void ResynchroniseRadios();

  PreferencesModel& model_;
  std::array<QRadioButton*, kThicknessChoices> radios_{};
};
