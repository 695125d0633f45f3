#include "installer/corvane_view.h"

#include <cstdlib>
#include <utility>

#include "platform/registry_hive.h"
#include "platform/text_encoding.h"
#include "platform/windows_path.h"

// Only enclosing quotes are removed: cutting the first and last characters of a path
// that has none would name another file.
std::string CommandLineDocumentPath(std::string argument) {
  if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
    argument = argument.substr(1, argument.size() - 2);
  return TypedPathToWindows(argument);
}

bool CommandLineDocumentOpens(IMachine& machine, std::string_view documentPath) {
  const IMachine::FileHandle file = machine.OpenForReading(documentPath);
  if (file < 0) return false;
  machine.CloseFile(file);
  return true;
}

std::string DocumentNotOpenedMessage(std::string_view documentPath) {
  std::string text(InstallerText::DocumentNotOpenedStart);
  text.append(documentPath).append(InstallerText::DocumentNotOpenedMiddle);
  text.append(documentPath).append(InstallerText::DocumentNotOpenedEnd);
  return text;
}

CCorvaneView::CCorvaneView(IMachine& machine, IInstallerUi& ui, ITimerService& timers,
                           std::string commandLinePath)
    : machine_(machine),
      ui_(ui),
      timers_(timers),
      commandLinePath_(CommandLineDocumentPath(std::move(commandLinePath))) {}

const std::string& CCorvaneView::Entry(std::size_t index) const {
  static const std::string empty;
  return index < entries_.size() ? entries_[index] : empty;
}

bool CCorvaneView::EntryIs(std::size_t index, std::string_view lower,
                           std::string_view upper) const {
  return Entry(index) == lower || Entry(index) == upper;
}

void CCorvaneView::OnInitialUpdate() {
  firstPaint_ = 1;
  LoadScript();
  productTitle_ = Entry(0);
  statusText_ = productTitle_;
}

void CCorvaneView::OnPainted() {
  if (firstPaint_ != 1) return;
  firstPaint_ = 0;
  timers_.SetTimer(InstallerTimer::Start, InstallerTimer::PeriodMs);
}

void CCorvaneView::OnTimer(uint32_t timerId) {
  if (timerId == InstallerTimer::End) {
    ui_.EndProcess(exitStatusAtEnd_);
    return;
  }
  if (timerId != InstallerTimer::Start) return;
  // An unknown mode is no error: the window stays and the timer keeps ticking.
  if (EntryIs(2, "instal", "INSTAL"))
    DoInstall();
  else if (EntryIs(2, "uninstal", "UNINSTAL"))
    DoUninstall();
  else if (EntryIs(2, "update", "UPDATE"))
    DoUpdate();
  else if (EntryIs(2, "autoinstal", "AUTOINSTAL"))
    DoAutoInstall();
}

void CCorvaneView::StartEndTimer(int exitStatus) {
  exitStatusAtEnd_ = exitStatus;
  // Files are committed without waiting for the disk; the mode ends with one flush.
  machine_.FlushWrites();
  timers_.SetTimer(InstallerTimer::End, InstallerTimer::PeriodMs);
}

void CCorvaneView::Refuse(const BilingualText& text) {
  ShowMessage(Pick(text));
  QuitInstaller();
}

// A NUL (which a script may hold) or a name the registry refuses would leave a product
// that the removal list cannot name or whose destination cannot be found again.
void CCorvaneView::CheckRegistryEntries() {
  const std::string& product = Entry(0);
  if (product.find('\0') != std::string::npos ||
      !RegistryHive::CanHoldKey(std::string(UninstallKeyPrefix) + product))
    Refuse(InstallerText::ProductNameUnusable);
  const std::string& key = Entry(3);
  if (key.find('\0') != std::string::npos || !RegistryHive::CanHoldKey(key))
    Refuse(InstallerText::DestinationKeyUnusable);
}

// "DestinationPath" is read back into 300 bytes and the log's paths grow from the
// destination: longer than 259 characters, the product could not be uninstalled.
void CCorvaneView::CheckDestination() {
  if (destinationDir_.find('\0') != std::string::npos) Refuse(InstallerText::DestinationHasNul);
  if (Utf8ToCp1252(destinationDir_).size() > MaxDestinationChars)
    Refuse(InstallerText::DestinationTooLong);
}

std::string CCorvaneView::WithMachineFault(std::string_view text) const {
  std::string message(text);
  const std::string fault = machine_.MachineFault();
  if (!fault.empty()) message.append("\n").append(Pick(InstallerText::MachineFaultLead)).append(fault);
  return message;
}

// Told once per fault: the shell folders are read four times from the same file.
void CCorvaneView::TellMachineFault() {
  const std::string fault = machine_.MachineFault();
  if (fault.empty() || !toldFaults_.insert(fault).second) return;
  ShowMessage(std::string(Pick(InstallerText::MachineFaultLead)) + fault);
}

void CCorvaneView::ShowStatus(std::string_view text) {
  statusText_ = text;
  ui_.PaintNow();
}

MessageAnswer CCorvaneView::ShowMessage(std::string_view text, MessageButtons buttons) {
  return ui_.ShowMessageBox(text, buttons);
}

void CCorvaneView::QuitInstaller() {
  ShowStatus(Pick(InstallerText::Quit));
  machine_.FlushWrites();
  ui_.EndProcess(1);
  // The shell never returns from EndProcess; carrying on would run a run already abandoned.
  std::abort();
}
