// The frame's print, print preview and print setup commands.
#include <windows.h>
#include <commdlg.h>
#include <winspool.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "analyser/display/paint.h"
#include "analyser/state/application_title.h"
#include "analyser/frame/printed_page.h"
#include "analyser/win32/main_frame.h"
#include "analyser/win32/print_preview.h"
#include "analyser/win32/support/file_dialog.h"
#include "analyser/win32/support/gdi_surface.h"
#include "platform/windows/wide_text.h"

namespace {

void TurnToLandscape(DEVMODEW& mode) {
  if (!kPrintedLandscape) return;
  mode.dmOrientation = DMORIENT_LANDSCAPE;
  mode.dmFields |= DM_ORIENTATION;
}

std::wstring PrinterName(const PrintSetupState& setup) {
  std::wstring name;
  if (auto* names = static_cast<DEVNAMES*>(GlobalLock(setup.devNames))) {
    name = reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset;
    GlobalUnlock(setup.devNames);
  }
  return name;
}

// The printer the framework would take: the chosen one, else the default one, whose page
// starts in landscape.
void EnsurePrinterChosen(PrintSetupState& setup, HWND owner) {
  if (setup.devNames != nullptr) return;
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_RETURNDEFAULT;
  if (!PrintDlgW(&dialog)) return;  // no printer at all
  setup.devMode = dialog.hDevMode;
  setup.devNames = dialog.hDevNames;
  const std::wstring printer = PrinterName(setup);
  if (auto* mode = static_cast<DEVMODEW*>(GlobalLock(setup.devMode))) {
    TurnToLandscape(*mode);
    // Named after its printer: a print dialog takes a set-up of another device for none and
    // starts again from the printer's own (Wine's driver names a new printer's after itself).
    printer.copy(mode->dmDeviceName, std::size(mode->dmDeviceName) - 1);
    mode->dmDeviceName[std::min(printer.size(), std::size(mode->dmDeviceName) - 1)] = L'\0';
    GlobalUnlock(setup.devMode);
  }
}

// A device context of the printer named, with its own settings turned to landscape.
HDC NamedPrinterContext(const std::wstring& printer) {
  std::wstring name = printer;
  HANDLE handle = nullptr;
  if (!OpenPrinterW(name.data(), &handle, nullptr)) return nullptr;
  std::vector<std::byte> mode;
  const LONG size = DocumentPropertiesW(nullptr, handle, name.data(), nullptr, nullptr, 0);
  if (size >= static_cast<LONG>(sizeof(DEVMODEW))) {
    mode.resize(static_cast<std::size_t>(size));
    auto* devMode = reinterpret_cast<DEVMODEW*>(mode.data());
    if (DocumentPropertiesW(nullptr, handle, name.data(), devMode, nullptr, DM_OUT_BUFFER) == IDOK)
      TurnToLandscape(*devMode);
    else
      mode.clear();
  }
  ClosePrinter(handle);
  return CreateDCW(L"WINSPOOL", name.c_str(), nullptr,
                   mode.empty() ? nullptr : reinterpret_cast<DEVMODEW*>(mode.data()));
}

// The port the dialog's choice prints to: "FILE:" when it prints into a file.
std::wstring PortOf(HGLOBAL devNames) {
  std::wstring port;
  if (auto* names = static_cast<DEVNAMES*>(devNames != nullptr ? GlobalLock(devNames) : nullptr)) {
    port = reinterpret_cast<const wchar_t*>(names) + names->wOutputOffset;
    GlobalUnlock(devNames);
  }
  return port;
}

// Where a printout into a file goes, asked as the framework asks it; none: not printed.
std::optional<std::wstring> AskOutputFile(HWND owner) {
  return AskFileName(owner, {true, kPrintToFileFilter, kPrintToFileExtension, kPrintToFileTitle, {}});
}


// A device context of the chosen printer, for printing (`information` false) or for
// reading its page only.
HDC ChosenPrinterContext(const PrintSetupState& setup, bool information) {
  if (setup.devNames == nullptr) return nullptr;
  auto* names = static_cast<DEVNAMES*>(GlobalLock(setup.devNames));
  auto* mode = static_cast<DEVMODEW*>(setup.devMode != nullptr ? GlobalLock(setup.devMode) : nullptr);
  HDC dc = nullptr;
  if (names != nullptr) {
    const auto* base = reinterpret_cast<const wchar_t*>(names);
    dc = information ? CreateICW(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode)
                     : CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
  }
  if (mode != nullptr) GlobalUnlock(setup.devMode);
  if (names != nullptr) GlobalUnlock(setup.devNames);
  return dc;
}

PaperGeometry PaperOf(HDC printer) {
  PaperGeometry paper;  // without a printer: a letter sheet in landscape at 300 dots per inch
  if (printer == nullptr) return paper;
  paper.dotsPerInchX = GetDeviceCaps(printer, LOGPIXELSX);
  paper.dotsPerInchY = GetDeviceCaps(printer, LOGPIXELSY);
  paper.paper = SIZE{GetDeviceCaps(printer, PHYSICALWIDTH), GetDeviceCaps(printer, PHYSICALHEIGHT)};
  paper.printableOffset =
      POINT{GetDeviceCaps(printer, PHYSICALOFFSETX), GetDeviceCaps(printer, PHYSICALOFFSETY)};
  if (paper.dotsPerInchX <= 0 || paper.dotsPerInchY <= 0 || paper.paper.cx <= 0 || paper.paper.cy <= 0)
    return PaperGeometry{};
  return paper;
}

void DrawPrintedPage(CSylvarineView& view, HDC dc, int dotsPerInchX, int dotsPerInchY) {
  GdiObjects objects;  // the printer's own fonts and pens, gone with the page
  GdiSurface surface(dc, objects, RECT{kPrintedArea.left, kPrintedArea.top, kPrintedArea.right, kPrintedArea.bottom},
                     DeviceScale{dotsPerInchX, dotsPerInchY, kPrinterDotsPerInch});
  view.OnDraw(surface);
}

}  // namespace

bool CMainFrame::PrintPage(HDC printer, const std::wstring& outputFile) {
  DOCINFOW document{};
  document.cbSize = sizeof document;
  const std::wstring name = Utf8ToWide(kApplicationTitle);
  document.lpszDocName = name.c_str();
  if (!outputFile.empty()) document.lpszOutput = outputFile.c_str();
  if (StartDocW(printer, &document) <= 0) return false;
  if (StartPage(printer) <= 0) {
    AbortDoc(printer);
    return false;
  }
  DrawPrintedPage(*view_, printer, GetDeviceCaps(printer, LOGPIXELSX), GetDeviceCaps(printer, LOGPIXELSY));
  if (EndPage(printer) <= 0) {
    AbortDoc(printer);
    return false;
  }
  return EndDoc(printer) > 0;
}

void CMainFrame::Print() {
  EnsurePrinterChosen(printSetup_, window_);
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window_;
  dialog.hDevMode = printSetup_.devMode;
  dialog.hDevNames = printSetup_.devNames;
  dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
  dialog.nCopies = 1;
  const bool accepted = view_->OnPreparePrinting([&] { return PrintDlgW(&dialog) != FALSE; });
  // The dialog may have made new blocks for the choice: keep those.
  printSetup_.devMode = dialog.hDevMode;
  printSetup_.devNames = dialog.hDevNames;
  // Into a file, the file is asked for here: the system would take the port's name for it.
  const bool intoFile = (dialog.Flags & PD_PRINTTOFILE) != 0 ||
                        PortOf(printSetup_.devNames) == Utf8ToWide(kFilePort);
  const std::optional<std::wstring> outputFile =
      accepted && intoFile ? AskOutputFile(window_) : std::optional<std::wstring>(L"");
  if (accepted && dialog.hDC != nullptr && outputFile) {
    view_->OnBeginPrinting();
    const bool printed = PrintPage(dialog.hDC, *outputFile);
    view_->OnEndPrinting();
    const std::wstring where = outputFile->empty() ? PrinterName(printSetup_) : *outputFile;
    if (!printed)
      messages_.ShowMessage(PrintFailureMessage(WideToUtf8(where)), kApplicationTitle,
                            MessageIcon::Warning, MessageButtons::Ok, true);
  } else {
    view_->OnEndPrinting();
  }
  if (dialog.hDC != nullptr) DeleteDC(dialog.hDC);
  UpdateCommandStates();
  InvalidateRect(viewWindow_.Handle(), nullptr, TRUE);
}

bool CMainFrame::PrintWithoutDialog(const std::wstring& printer) {
  HDC dc = nullptr;
  if (printer.empty()) {
    EnsurePrinterChosen(printSetup_, window_);
    dc = ChosenPrinterContext(printSetup_, false);
  } else {
    dc = NamedPrinterContext(printer);
  }
  view_->OnPreparePrinting([] { return true; });
  bool printed = false;
  if (dc != nullptr) {
    view_->OnBeginPrinting();
    printed = PrintPage(dc, L"");
    DeleteDC(dc);
  }
  view_->OnEndPrinting();
  if (!printed) {
    const std::wstring where = printer.empty() ? PrinterName(printSetup_) : printer;
    messages_.ShowMessage(PrintFailureMessage(WideToUtf8(where)), kApplicationTitle,
                          MessageIcon::Warning, MessageButtons::Ok, false);
  }
  return printed;
}

void CMainFrame::PrintPreview() {
  EnsurePrinterChosen(printSetup_, window_);
  view_->OnPreparePrinting([] { return true; });
  UpdateCommandStates();
  HDC information = ChosenPrinterContext(printSetup_, true);
  const PaperGeometry paper = PaperOf(information);
  if (information != nullptr) DeleteDC(information);
  const bool print = RunPrintPreview(window_, instance_, paper, [this](HDC dc, int dotsX, int dotsY) {
    view_->OnBeginPrinting();
    DrawPrintedPage(*view_, dc, dotsX, dotsY);
  });
  view_->OnEndPrinting();
  InvalidateRect(viewWindow_.Handle(), nullptr, TRUE);
  if (print) Print();
}

void CMainFrame::PrintSetup() {
  EnsurePrinterChosen(printSetup_, window_);
  PAGESETUPDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window_;
  dialog.hDevMode = printSetup_.devMode;
  dialog.hDevNames = printSetup_.devNames;
  dialog.Flags = PSD_DISABLEMARGINS;  // the page is drawn where the printer starts
  if (PageSetupDlgW(&dialog)) {
    printSetup_.devMode = dialog.hDevMode;
    printSetup_.devNames = dialog.hDevNames;
  }
}
