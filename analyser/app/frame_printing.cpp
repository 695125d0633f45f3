// The frame's print, print preview and print setup commands, and the About box.
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QScreen>

#include "analyser/app/about_box.h"
#include "analyser/app/main_frame.h"
#include "analyser/app/print_painting.h"
#include "analyser/app/support/qpainter_surface.h"
#include "analyser/frame/printed_page.h"
#include "analyser/state/application_title.h"

namespace {
const QRect kPageArea(kPrintedArea.left, kPrintedArea.top, kPrintedArea.right - kPrintedArea.left,
                      kPrintedArea.bottom - kPrintedArea.top);
}  // namespace

bool PaintForPrinting(QPaintDevice& device, CSylvarineView& view) {
  QPainter painter;
  if (!painter.begin(&device)) return false;  // an unwritable output file, a gone printer
  {
    // The surface draws what it still gathers (the last trace) when it goes: before end().
    PainterCaches caches;
    QPainterSurface surface(painter, caches, kPageArea);
    view.OnDraw(surface);
  }
  return painter.end();
}

bool CMainFrame::PaintForPrinter(QPrinter& printer) { return PaintForPrinting(printer, *view_); }

static std::unique_ptr<QPrinter> MakePrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setResolution(kPrinterDotsPerInch);
  printer->setPageOrientation(kPrintedLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer->setDocName(QString::fromLatin1(kApplicationTitle));
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
    printer.setResolution(kPrinterDotsPerInch);
    view_->OnBeginPrinting();
    const bool printed = PaintForPrinter(printer);
    view_->OnEndPrinting();
    if (!printed) {
      const QString where = printer.outputFileName().isEmpty() ? printer.printerName()
                                                               : printer.outputFileName();
      messages_.ShowMessage(PrintFailureMessage(where.toStdString()), kApplicationTitle,
                            MessageIcon::Warning, MessageButtons::Ok, true);
    }
  }
  viewWidget_->update();
}

void CMainFrame::PrintPreview() {
  if (!printer_) printer_ = MakePrinter();
  view_->OnPreparePrinting([] { return true; });
  QPrintPreviewDialog preview(printer_.get(), this);
  // Wide enough for the whole toolbar: its print button would otherwise hide behind "»".
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    preview.resize(area.width() * 9 / 10, area.height() * 9 / 10);
  }
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

void CMainFrame::ShowAbout() { ShowAboutBox(this); }
