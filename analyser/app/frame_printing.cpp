// The frame's print, print preview and print setup commands, and the About box.
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QVBoxLayout>

#include "analyser/app/main_frame.h"
#include "analyser/app/support/qpainter_surface.h"

namespace {
// The printer mapping puts 800 x 600 logical units on 2400 x 1800 device units.
constexpr int kPrinterWidth = 2400, kPrinterHeight = 1800;
constexpr int kPrinterDpi = 300;  // 2400 units are 8 inches: the page's printable width
}  // namespace

void CMainFrame::PaintForPrinter(QPrinter& printer) {
  QPainter painter(&printer);
  QPainterSurface surface(painter, QRect(0, 0, kPrinterWidth, kPrinterHeight));
  view_->OnDraw(surface);
}

static std::unique_ptr<QPrinter> MakePrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setResolution(kPrinterDpi);
  printer->setPageOrientation(QPageLayout::Landscape);
  printer->setDocName(QStringLiteral("Sylvarine"));
  return printer;
}

void CMainFrame::Print() {
  if (!printer_) printer_ = MakePrinter();
  QPrinter& printer = *printer_;
  const bool accepted = view_->OnPreparePrinting([&] {
    QPrintDialog dialog(&printer, this);
    return dialog.exec() == QDialog::Accepted;
  });
  if (accepted) {
    printer.setResolution(kPrinterDpi);
    view_->OnBeginPrinting();
    PaintForPrinter(printer);
    view_->OnEndPrinting();
  }
  viewWidget_->update();
}

void CMainFrame::PrintPreview() {
  if (!printer_) printer_ = MakePrinter();
  view_->OnPreparePrinting([] { return true; });
  QPrintPreviewDialog preview(printer_.get(), this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
    view_->OnBeginPrinting();
    PaintForPrinter(*printer);
  });
  preview.exec();
  view_->OnEndPrinting();
  viewWidget_->update();
}

void CMainFrame::PrintSetup() {
  if (!printer_) printer_ = MakePrinter();
  QPageSetupDialog dialog(printer_.get(), this);
  dialog.exec();
}

void CMainFrame::ShowAbout() {
  QDialog about(this);
  about.setWindowTitle(QStringLiteral("A propos de L'Dodiravadovu Duzav"));
  auto* layout = new QVBoxLayout(&about);
  auto* icon = new QLabel;
  icon->setPixmap(windowIcon().pixmap(32, 32));
  auto* picture = new QLabel;
  picture->setPixmap(windowIcon().pixmap(96, 96));
  picture->setFrameShape(QFrame::Box);
  picture->setAlignment(Qt::AlignCenter);
  auto* text = new QLabel(QStringLiteral("%1 version %2")
                              .arg(QCoreApplication::applicationName(),
                                   QCoreApplication::applicationVersion()));
  text->setAlignment(Qt::AlignCenter);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
  layout->addWidget(icon);
  layout->addWidget(picture);
  layout->addWidget(text);
  layout->addWidget(buttons);
  about.exec();
}
