#include "installer/app/destination_dialog.h"

#include <QFontMetrics>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "installer/corvane_view.h"
#include "installer/installer_window_layout.h"

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

}  // namespace

CDestinationDlg::CDestinationDlg(const QString& prompt, const QString& proposal, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(FromUtf8(DestinationDialog::Title));
  QFont font;
  // "Arial" as fontconfig knows it: Liberation Sans has the same metrics.
  font.setFamilies(QStringList{FromUtf8(DestinationDialog::FontFamily), "Liberation Sans"});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(DestinationDialog::FontPointSize);
  setFont(font);
  const DialogUnits units(font);
  setFixedSize(units.X(DestinationDialog::WidthDu), units.Y(DestinationDialog::HeightDu));

  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);  // etched
  frame->setGeometry(units.Box(DestinationDialog::EtchedFrame));

  auto* icon = new QLabel(this);
  const QRect iconBox = units.Box(DestinationDialog::Icon);
  icon->setGeometry(iconBox);
  icon->setPixmap(QIcon(":/corvane/corvane.svg").pixmap(iconBox.size()));

  auto* promptField = new QTextEdit(this);
  promptField->setObjectName(ControlName(DestinationDialog::PromptId));
  promptField->setReadOnly(true);
  promptField->setFocusPolicy(Qt::NoFocus);
  promptField->setFrameStyle(QFrame::NoFrame);
  promptField->document()->setDocumentMargin(0);
  QPalette readOnly = promptField->palette();
  readOnly.setColor(QPalette::Base, readOnly.color(QPalette::Window));
  promptField->setPalette(readOnly);
  promptField->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  promptField->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  promptField->setPlainText(prompt);
  // Lines one character height apart, as a dialog's edit control sets them: with the
  // font's own leading the third line of the prompt would fall below the field.
  QTextBlockFormat lines;
  lines.setAlignment(Qt::AlignHCenter);
  lines.setLineHeight(units.CharHeight(), QTextBlockFormat::FixedHeight);
  QTextCursor all(promptField->document());
  all.select(QTextCursor::Document);
  all.mergeBlockFormat(lines);
  promptField->moveCursor(QTextCursor::Start);
  promptField->setGeometry(units.Box(DestinationDialog::Prompt));

  destination_ = new QLineEdit(proposal, this);
  destination_->setMaxLength(static_cast<int>(MaxDestinationChars));
  destination_->setObjectName(ControlName(DestinationDialog::DestinationId));
  destination_->setGeometry(units.Box(DestinationDialog::Destination));

  auto* ok = new QPushButton(FromUtf8(DestinationDialog::OkText), this);
  ok->setObjectName(ControlName(DestinationDialog::OkId));
  ok->setGeometry(units.Box(DestinationDialog::OkButton));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* cancel = new QPushButton(FromUtf8(DestinationDialog::CancelText), this);
  cancel->setObjectName(ControlName(DestinationDialog::CancelId));
  cancel->setGeometry(units.Box(DestinationDialog::CancelButton));
  // Return presses the button that has the focus, as in any dialog; from the field it
  // presses the default, OK.
  cancel->setAutoDefault(true);
  ok->setAutoDefault(true);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  destination_->setFocus();
  destination_->selectAll();
}

QString CDestinationDlg::Destination() const { return destination_->text(); }
