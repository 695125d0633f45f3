#include "analyser/app/preferences_dialog.h"

#include <QColorDialog>
#include <QRadioButton>

#include "analyser/app/settings_commands.h"
#include "analyser/app/template_dialog.h"
#include "analyser/frame/preferences_template.h"
#include "shell_qt/conversions.h"

PreferencesDialog::PreferencesDialog(PreferencesModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  BuildTemplateDialog(*this, PreferencesTemplate(), [this](int32_t id) { OnClick(id); });
  for (int i = 0; i < kThicknessChoices; ++i) {
    const int32_t id = PreferencesControl::FirstThicknessRadio + i;
    radios_[static_cast<std::size_t>(i)] = qobject_cast<QRadioButton*>(TemplateControl(*this, id));
  }
  ResynchroniseRadios();
}

void PreferencesDialog::OnClick(int32_t controlId) {
  switch (model_.Click(controlId)) {
    case PreferencesReply::CloseOk: accept(); return;
    case PreferencesReply::CloseCancel: reject(); return;
    case PreferencesReply::ChooseColour:
      ChooseColour(PreferencesModel::ColourElementOf(controlId));
      return;
    case PreferencesReply::OpenHelpPage: OpenHelpPage(this); return;
    case PreferencesReply::OpenWebPage: OpenWebPage(this); return;
    case PreferencesReply::Nothing: ResynchroniseRadios(); return;
  }
}

void PreferencesDialog::ChooseColour(int element) {
  QColorDialog chooser(ShellQt::ToQColor(model_.Values().colours[element]), this);
  chooser.setOption(QColorDialog::ShowAlphaChannel, false);
  if (chooser.exec() != QDialog::Accepted) return;
  model_.ChooseColour(element, ShellQt::FromQColor(chooser.selectedColor()));
  ResynchroniseRadios();
}

void PreferencesDialog::ResynchroniseRadios() {
  const auto& checks = model_.ThicknessChecks();
  for (std::size_t i = 0; i < radios_.size(); ++i) radios_[i]->setChecked(checks[i]);
}
