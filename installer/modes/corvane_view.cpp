#include "installer/modes/corvane_view.h"

#include <utility>

CCorvaneView::CCorvaneView(IMachine& machine, IInstallerUi& ui, ITimerService& timers,
                           std::string commandLinePath)
    : timers_(timers),
      prompts_(machine, ui),
      operations_(machine, prompts_),
      script_(machine, prompts_, operations_, std::move(commandLinePath)) {}

ProcessEnd CCorvaneView::OnInitialUpdate() {
  firstPaint_ = 1;
  if (script_.LoadScript() == Flow::Quit) return 1;
  productTitle_ = script_.ProductName();
  prompts_.SetStatusText(productTitle_);
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
  switch (script_.RunMode()) {
    case CSetupScript::Mode::Install:
      flow = DoInstall();
      break;
    case CSetupScript::Mode::Uninstall:
      flow = DoUninstall();
      break;
    case CSetupScript::Mode::Update:
      flow = DoUpdate();
      break;
    case CSetupScript::Mode::AutoInstall:
      flow = DoAutoInstall();
      break;
    case CSetupScript::Mode::None:
      break;
  }
  // An abandoned run ends at once; a completed one when the end timer fires.
  if (flow == Flow::Quit) return 1;
  return std::nullopt;
}

void CCorvaneView::StartEndTimer(int exitStatus) {
  exitStatusAtEnd_ = exitStatus;
  operations_.FlushWrites();
  timers_.SetTimer(InstallerTimer::End, InstallerTimer::PeriodMs);
}
