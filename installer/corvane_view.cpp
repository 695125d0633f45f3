#include "installer/corvane_view.h"

#include <cstdlib>
#include <utility>

#include "platform/windows_path.h"

namespace {

std::string WithoutEnclosingQuotes(std::string path) {
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
    return path.substr(1, path.size() - 2);
  return path;
}

}  // namespace

CCorvaneView::CCorvaneView(IMachine& machine, IInstallerUi& ui, ITimerService& timers,
                           std::string commandLinePath)
    : machine_(machine),
      ui_(ui),
      timers_(timers),
      commandLinePath_(TypedPathToWindows(WithoutEnclosingQuotes(std::move(commandLinePath)))) {}

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
  timers_.SetTimer(InstallerTimer::End, InstallerTimer::PeriodMs);
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
  ui_.EndProcess(1);
  // The shell never returns from EndProcess; carrying on would run a run already abandoned.
  std::abort();
}
