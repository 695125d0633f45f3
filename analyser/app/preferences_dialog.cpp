#include "analyser/app/preferences_dialog.h"

#include <QColorDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "analyser/app/settings_commands.h"
#include "shell_qt/conversions.h"

namespace {

constexpr char kControlIdProperty[] = "controlId";
constexpr int kDialogWidthDu = 285, kDialogHeightDu = 178;

struct ColourRow {
  const char* label;
  int labelX, labelY, labelWidth;
  int buttonX, buttonY;
};
// couleur1 .. couleur8: background colours, then trace colours.
constexpr ColourRow kColourRows[kColourCount] = {
    {"Oscilloscope", 15, 101, 41, 69, 101},  {"V.U. Mètre", 15, 113, 35, 69, 114},
    {"Bargraphe", 17, 127, 34, 69, 127},     {"Trace du haut", 107, 101, 46, 159, 101},
    {"Trace du bas", 107, 113, 43, 159, 114}, {"Somme", 107, 127, 24, 159, 127},
    {"Différence", 107, 140, 34, 159, 140},   {"Lissajou", 107, 153, 26, 159, 153}};

constexpr const char* kThicknessTexts[kThicknessChoices] = {"1 Pixel", "2 Pixels", "3 Pixels",
                                                            "4 Pixels", "5 Pixels"};
constexpr int kThicknessY[kThicknessChoices] = {101, 113, 127, 140, 153};

}  // namespace

PreferencesDialog::PreferencesDialog(PreferencesModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setWindowTitle(QString::fromUtf8("Préférences"));
  setWindowFlags(kTemplateDialogFlags);
  setFont(DialogTemplateFont());
  units_ = DialogUnits(font());
  setFixedSize(FromDialogUnits(0, 0, kDialogWidthDu, kDialogHeightDu).size());
  BuildControls();
  ResynchroniseRadios();
}

QRect PreferencesDialog::FromDialogUnits(int x, int y, int width, int height) const {
  return units_.ToPixels(x, y, width, height);
}

QWidget* PreferencesDialog::Control(int32_t controlId) const {
  for (QWidget* child : findChildren<QWidget*>())
    if (child->property(kControlIdProperty).toInt() == controlId) return child;
  return nullptr;
}

QWidget* PreferencesDialog::Place(QWidget* widget, int32_t controlId, int x, int y, int width,
                                  int height) {
  widget->setGeometry(FromDialogUnits(x, y, width, height));
  if (controlId != 0) {
    widget->setProperty(kControlIdProperty, controlId);
    widget->setObjectName(QStringLiteral("control%1").arg(controlId));
  }
  return widget;
}

void PreferencesDialog::AddGroup(const char* title, int x, int y, int width, int height) {
  auto* group = new QGroupBox(QString::fromUtf8(title), this);
  // The template's frames run through the middle of their title, as on Windows; Qt's own
  // start below it, where the template has already put the first control.
  group->setStyleSheet(QStringLiteral(
      "QGroupBox { border: 1px solid palette(mid); margin-top: 0.5em; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 0.5em; padding: 0 2px; }"));
  Place(group, 0, x, y, width, height);
  group->lower();  // a frame behind the controls it encloses
}

void PreferencesDialog::AddLabel(const char* text, int x, int y, int width, int height) {
  Place(new QLabel(QString::fromUtf8(text), this), 0, x, y, width, height);
}

QPushButton* PreferencesDialog::AddButton(const char* text, int32_t controlId, int x, int y,
                                          int width, int height) {
  auto* button = new QPushButton(QString::fromUtf8(text), this);
  button->setAutoDefault(false);
  Place(button, controlId, x, y, width, height);
  return button;
}

void PreferencesDialog::BuildControls() {
  namespace C = PreferencesControl;
  auto* bannerFrame = new QFrame(this);
  bannerFrame->setFrameShape(QFrame::Box);
  Place(bannerFrame, 0, 15, 5, 168, 68);
  auto* banner = new QLabel(this);
  const QRect bannerArea = FromDialogUnits(15, 11, 167, 62);
  banner->setAlignment(Qt::AlignCenter);
  banner->setPixmap(QIcon(QStringLiteral(":/icons/sylvarine.svg"))
                        .pixmap(QSize(bannerArea.height(), bannerArea.height())));
  banner->setGeometry(bannerArea);

  AddGroup("Refermer:", 193, 4, 83, 50);
  QPushButton* ok = AddButton("OK", C::Ok, 197, 14, 76, 11);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(AddButton("Defaut", C::Defaults, 197, 27, 76, 11), &QPushButton::clicked, this, [this] {
    model_.ApplyDefaults();
    accept();
  });
  connect(AddButton("Cancel", C::Cancel, 197, 40, 76, 11), &QPushButton::clicked, this,
          &QDialog::reject);

  AddGroup("Aide", 193, 54, 83, 25);
  connect(AddButton("?", C::Help, 197, 64, 76, 11), &QPushButton::clicked, this,
          [this] { OpenHelpPage(this); });

  AddGroup("Couleur du fond:", 7, 86, 88, 57);
  AddGroup("Couleur des traces:", 103, 86, 83, 86);
  for (int element = 0; element < kColourCount; ++element) {
    const ColourRow& row = kColourRows[element];
    AddLabel(row.label, row.labelX, row.labelY, row.labelWidth, 8);
    QPushButton* button =
        AddButton("<>", C::ColourButtons[element], row.buttonX, row.buttonY, 15, 11);
    connect(button, &QPushButton::clicked, this, [this, element] { ChooseColour(element); });
  }

  AddGroup("Epaisseur des traces", 193, 86, 83, 86);
  for (int i = 0; i < kThicknessChoices; ++i) {
    auto* radio = new QRadioButton(QString::fromUtf8(kThicknessTexts[i]), this);
    radio->setLayoutDirection(Qt::RightToLeft);  // text left of the button
    radio->setAutoExclusive(false);              // the check marks follow the model alone
    Place(radio, C::FirstThicknessRadio + i, 219, kThicknessY[i], 37, 10);
    connect(radio, &QRadioButton::clicked, this, [this, i] {
      model_.ChooseThickness(i + 1);
      ResynchroniseRadios();
    });
    radios_[static_cast<std::size_t>(i)] = radio;
  }

  AddGroup("Internet:", 7, 146, 88, 26);
  connect(AddButton("Connexion au site...", C::WebPage, 14, 157, 76, 11), &QPushButton::clicked,
          this, [this] { OpenWebPage(this); });
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
