#include "installer/app/destination_dialog.h"

#include <QFontMetrics>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "installer/app/window_fonts.h"
#include "installer/operations/install_operations.h"
#include "installer/window/destination_dialog_layout.h"
#include "shell_qt/conversions.h"

namespace {

using DestinationDialog::ControlKind;
using DestinationDialog::DialogControl;

// Dialog units become pixels through the dialog font's average character size.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    averageCharWidth_ = metrics.averageCharWidth();
    charHeight_ = metrics.height();
  }
  int X(int32_t du) const { return DestinationDialog::DuToPixelsX(du, averageCharWidth_); }
  int Y(int32_t du) const { return DestinationDialog::DuToPixelsY(du, charHeight_); }
  int CharHeight() const { return charHeight_; }
  QRect Box(const DestinationDialog::DialogBox& box) const {
    return QRect(X(box.x), Y(box.y), X(box.width), Y(box.height));
  }

 private:
  int averageCharWidth_ = 0;
  int charHeight_ = 0;
};

QString ControlName(int32_t id) { return QStringLiteral("control%1").arg(id); }

// A read-only field the colour of the dialog, its lines centred and one character
// height apart, as a dialog's edit control sets them: with the font's own leading the
// third line of the prompt would fall below the field.
QTextEdit* PromptField(const QString& prompt, const DialogUnits& units, QWidget* dialog) {
  auto* field = new QTextEdit(dialog);
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  field->setFrameStyle(QFrame::NoFrame);
  field->document()->setDocumentMargin(0);
  QPalette readOnly = field->palette();
  readOnly.setColor(QPalette::Base, readOnly.color(QPalette::Window));
  field->setPalette(readOnly);
  field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  field->setPlainText(prompt);
  QTextBlockFormat lines;
  lines.setAlignment(Qt::AlignHCenter);
  lines.setLineHeight(units.CharHeight(), QTextBlockFormat::FixedHeight);
  QTextCursor all(field->document());
  all.select(QTextCursor::Document);
  all.mergeBlockFormat(lines);
  field->moveCursor(QTextCursor::Start);
  return field;
}

}  // namespace

CDestinationDlg::CDestinationDlg(const QString& prompt, const QString& proposal, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(ShellQt::FromUtf8(DestinationDialog::Title));
  const QFont font = RealiseFont(DestinationDialog::Font);
  setFont(font);
  const DialogUnits units(font);
  setFixedSize(units.X(DestinationDialog::WidthDu), units.Y(DestinationDialog::HeightDu));

  for (const DialogControl& control : DestinationDialog::Controls) {
    const QRect box = units.Box(control.box);
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::EtchedFrame: {
        auto* frame = new QFrame(this);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        widget = frame;
        break;
      }
      case ControlKind::Icon: {
        auto* icon = new QLabel(this);
        icon->setPixmap(QIcon(":/corvane/corvane.svg").pixmap(box.size()));
        widget = icon;
        break;
      }
      case ControlKind::PromptField:
        widget = PromptField(prompt, units, this);
        break;
      case ControlKind::DestinationField:
        destination_ = new QLineEdit(proposal, this);
        destination_->setMaxLength(static_cast<int>(MaxDestinationChars));
        widget = destination_;
        break;
      case ControlKind::DefaultButton:
      case ControlKind::Button: {
        auto* button = new QPushButton(ShellQt::FromUtf8(control.text), this);
        // Return presses the button that has the focus, as in any dialog; from the field
        // it presses the default, OK.
        button->setAutoDefault(true);
        button->setDefault(control.kind == ControlKind::DefaultButton);
        if (control.id == DestinationDialog::OkId)
          connect(button, &QPushButton::clicked, this, &QDialog::accept);
        if (control.id == DestinationDialog::CancelId)
          connect(button, &QPushButton::clicked, this, &QDialog::reject);
        widget = button;
        break;
      }
    }
    if (control.id != DestinationDialog::NoId) widget->setObjectName(ControlName(control.id));
    widget->setGeometry(box);
  }
  destination_->setFocus();
  destination_->selectAll();
}

QString CDestinationDlg::Destination() const { return destination_->text(); }
