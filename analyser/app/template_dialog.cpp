#include "analyser/app/template_dialog.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr char kControlIdProperty[] = "controlId";

// A title and a close box, nothing to minimise or maximise: a fixed-size dialog.
constexpr Qt::WindowFlags kTemplateDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                                 Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

QIcon ImageNamed(const char* name) {
  return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

QLabel* ImageLabel(QWidget* parent, const char* name, int side) {
  auto* label = new QLabel(parent);
  label->setAlignment(Qt::AlignCenter);
  label->setPixmap(ImageNamed(name).pixmap(side, side));
  return label;
}

QWidget* CreateControl(QDialog& dialog, const DialogControl& control, const QRect& area,
                       const std::function<void(int32_t)>& onClick) {
  const QString text = QString::fromUtf8(control.text);
  switch (control.kind) {
    case ControlKind::Icon:
      return ImageLabel(&dialog, control.text, qMin(area.width(), area.height()));
    case ControlKind::Picture:
      return ImageLabel(&dialog, control.text, area.height());
    case ControlKind::Frame: {
      auto* frame = new QFrame(&dialog);
      frame->setFrameShape(QFrame::Box);
      return frame;
    }
    case ControlKind::GroupBox: {
      auto* group = new QGroupBox(text, &dialog);
      // The template's frames run through the middle of their title, as on Windows; Qt's
      // own start below it, where the template has already put the first control.
      group->setStyleSheet(QStringLiteral(
          "QGroupBox { border: 1px solid palette(mid); margin-top: 0.5em; }"
          "QGroupBox::title { subcontrol-origin: margin; left: 0.5em; padding: 0 2px; }"));
      return group;
    }
    case ControlKind::Label:
      return new QLabel(text, &dialog);
    case ControlKind::CentredLabel: {
      auto* label = new QLabel(text, &dialog);
      label->setAlignment(Qt::AlignCenter);
      return label;
    }
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
      auto* button = new QPushButton(text, &dialog);
      button->setAutoDefault(false);
      button->setDefault(control.kind == ControlKind::DefaultPushButton);
      const int32_t id = control.id;
      QObject::connect(button, &QPushButton::clicked, &dialog, [onClick, id] { onClick(id); });
      return button;
    }
    case ControlKind::RadioButton: {
      auto* radio = new QRadioButton(text, &dialog);
      if (control.flags & ControlFlag::TextLeft) radio->setLayoutDirection(Qt::RightToLeft);
      radio->setAutoExclusive(false);  // the check marks follow the dialog's model alone
      const int32_t id = control.id;
      QObject::connect(radio, &QRadioButton::clicked, &dialog, [onClick, id] { onClick(id); });
      return radio;
    }
  }
  return nullptr;
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
  // The platform's average character width: the alphabet's extent over 52, rounded.
  const QFontMetrics metrics(font);
  const int alphabet = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  averageCharWidth_ = (alphabet / 26 + 1) / 2;
  charHeight_ = metrics.height();
}

QRect DialogUnits::ToPixels(const DialogRect& rect) const {
  const Rect pixels = DialogUnitsToPixels(rect, averageCharWidth_, charHeight_);
  return QRect(pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top);
}

QFont TemplateFont(const DialogTemplate& layout) {
  QFont font(QString::fromUtf8(layout.fontFace), layout.fontPoints);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

void BuildTemplateDialog(QDialog& dialog, const DialogTemplate& layout,
                         const std::function<void(int32_t)>& onClick) {
  dialog.setWindowTitle(QString::fromUtf8(layout.title));
  dialog.setWindowFlags(kTemplateDialogFlags);
  dialog.setFont(TemplateFont(layout));
  const DialogUnits units(dialog.font());
  dialog.setFixedSize(units.ToPixels({0, 0, layout.width, layout.height}).size());
  for (const DialogControl& control : layout.controls) {
    const QRect area = units.ToPixels(control.rect);
    QWidget* widget = CreateControl(dialog, control, area, onClick);
    widget->setGeometry(area);
    if (control.kind == ControlKind::GroupBox) widget->lower();  // behind what it encloses
    if (control.id != kStaticControlId) {
      widget->setProperty(kControlIdProperty, control.id);
      widget->setObjectName(QStringLiteral("control%1").arg(control.id));
    }
  }
}

QWidget* TemplateControl(const QDialog& dialog, int32_t controlId) {
  for (QWidget* child : dialog.findChildren<QWidget*>()) {
    const QVariant id = child->property(kControlIdProperty);
    if (id.isValid() && id.toInt() == controlId) return child;
  }
  return nullptr;
}
