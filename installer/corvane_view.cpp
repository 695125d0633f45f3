#include "installer/corvane_view.h"

#include <utility>

#include "platform/portable/registry_hive.h"
#include "platform/portable/text_encoding.h"
#include "platform/portable/windows_path.h"

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

ProcessEnd CCorvaneView::OnInitialUpdate() {
  firstPaint_ = 1;
  if (LoadScript() == Flow::Quit) return 1;
  productTitle_ = Entry(0);
  statusText_ = productTitle_;
  return std::nullopt;
}

void CCorvaneView::OnPainted() {
  if (firstPaint_ != 1) return;
  firstPaint_ = 0;
  timers_.SetTimer(InstallerTimer::Start, InstallerTimer::PeriodMs);
}

ProcessEnd CCorvaneView::OnTimer(uint32_t timerId) {
  if (timerId == InstallerTimer::End) return exitStatusAtEnd_;
  if (timerId != InstallerTimer::Start) return std::nullopt;
  // An unknown mode is no error: the window stays and the timer keeps ticking.
  Flow flow = Flow::Continue;
  if (EntryIs(2, "instal", "INSTAL"))
    flow = DoInstall();
  else if (EntryIs(2, "uninstal", "UNINSTAL"))
    flow = DoUninstall();
  else if (EntryIs(2, "update", "UPDATE"))
    flow = DoUpdate();
  else if (EntryIs(2, "autoinstal", "AUTOINSTAL"))
    flow = DoAutoInstall();
  // An abandoned run ends at once; a completed one when the end timer fires.
  if (flow == Flow::Quit) return 1;
  return std::nullopt;
}

void CCorvaneView::StartEndTimer(int exitStatus) {
  exitStatusAtEnd_ = exitStatus;
  // Files are committed without waiting for the disk; the mode ends with one flush.
  machine_.FlushWrites();
  timers_.SetTimer(InstallerTimer::End, InstallerTimer::PeriodMs);
}

Flow CCorvaneView::Refuse(const BilingualText& text) {
  ShowMessage(Pick(text));
  return QuitInstaller();
}

// A NUL (which a script may hold) or a name the registry refuses would leave a product
// that the removal list cannot name or whose destination cannot be found again.
Flow CCorvaneView::CheckRegistryEntries() {
  const std::string& product = Entry(0);
  if (product.find('\0') != std::string::npos ||
      !RegistryHive::CanHoldKey(std::string(UninstallKeyPrefix) + product))
    return Refuse(InstallerText::ProductNameUnusable);
  const std::string& key = Entry(3);
  if (key.find('\0') != std::string::npos || !RegistryHive::CanHoldKey(key))
    return Refuse(InstallerText::DestinationKeyUnusable);
  return Flow::Continue;
}

// "DestinationPath" is read back into 300 bytes and the log's paths grow from the
// destination: longer than 259 characters, the product could not be uninstalled.
Flow CCorvaneView::CheckDestination() {
  if (destinationDir_.find('\0') != std::string::npos)
    return Refuse(InstallerText::DestinationHasNul);
  if (Utf8ToCp1252(destinationDir_).size() > MaxDestinationChars)
    return Refuse(InstallerText::DestinationTooLong);
  return Flow::Continue;
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

Flow CCorvaneView::QuitInstaller() {
  ShowStatus(Pick(InstallerText::Quit));
  machine_.FlushWrites();
  return Flow::Quit;
}
