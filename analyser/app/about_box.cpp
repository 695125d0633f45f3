#include "analyser/app/about_box.h"

#include <QDialog>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "analyser/app/dialog_units.h"

namespace {

constexpr int kWidthDu = 242, kHeightDu = 110;
const QString kIconResource = QStringLiteral(":/icons/sylvarine.svg");

QLabel* Picture(QWidget* parent, const QRect& area, int side) {
  auto* label = new QLabel(parent);
  label->setGeometry(area);
  label->setAlignment(Qt::AlignCenter);
  label->setPixmap(QIcon(kIconResource).pixmap(side, side));
  return label;
}

}  // namespace

void ShowAboutBox(QWidget* parent) {
  QDialog about(parent);
  about.setObjectName(QStringLiteral("aboutBox"));
  about.setWindowFlags(kTemplateDialogFlags);
  about.setWindowTitle(QStringLiteral("A propos de L'Dodiravadovu Duzav"));
  about.setFont(DialogTemplateFont());
  const DialogUnits units(about.font());
  about.setFixedSize(units.ToPixels(0, 0, kWidthDu, kHeightDu).size());

  const QRect iconArea = units.ToPixels(11, 10, 21, 20);
  Picture(&about, iconArea, qMin(iconArea.width(), iconArea.height()));
  auto* frame = new QFrame(&about);
  frame->setFrameShape(QFrame::Box);
  frame->setGeometry(units.ToPixels(45, 6, 152, 72));
  const QRect pictureArea = units.ToPixels(47, 8, 148, 68);
  Picture(&about, pictureArea, pictureArea.height());

  auto* text = new QLabel(QStringLiteral("Sylvarine version " SYLVARINE_VERSION), &about);
  text->setObjectName(QStringLiteral("aboutText"));
  text->setAlignment(Qt::AlignCenter);
  text->setGeometry(units.ToPixels(7, 82, 228, 10));

  auto* ok = new QPushButton(QStringLiteral("OK"), &about);
  ok->setDefault(true);
  ok->setGeometry(units.ToPixels(96, 93, 50, 14));
  QObject::connect(ok, &QPushButton::clicked, &about, &QDialog::accept);
  about.exec();
}
