#pragma once
// "Préférences": the eight display colours and the trace thickness, laid out in
// dialog units of its 8-point font.
#include <QDialog>
#include <array>

#include "analyser/app/dialog_units.h"
#include "analyser/settings/preferences_logic.h"

class QRadioButton;
class QPushButton;

class PreferencesDialog : public QDialog {
  Q_OBJECT

 public:
  PreferencesDialog(PreferencesModel& model, QWidget* parent);

  // Dialog units to pixels, as the platform converts them for this dialog's font.
  QRect FromDialogUnits(int x, int y, int width, int height) const;
  // The control with this identifier, if the dialog has one.
  QWidget* Control(int32_t controlId) const;

 private:
  void BuildControls();
  QWidget* Place(QWidget* widget, int32_t controlId, int x, int y, int width, int height);
  void AddGroup(const char* title, int x, int y, int width, int height);
  void AddLabel(const char* text, int x, int y, int width, int height);
  QPushButton* AddButton(const char* text, int32_t controlId, int x, int y, int width, int height);
  void ChooseColour(int element);
  void ResynchroniseRadios();

  PreferencesModel& model_;
  DialogUnits units_{QFont()};
  std::array<QRadioButton*, kThicknessChoices> radios_{};
};
