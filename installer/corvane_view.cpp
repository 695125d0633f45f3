// Placeholder until the installer core lands.
#include "installer/corvane_view.h"
CCorvaneView::CCorvaneView(IMachine& machine, IInstallerUi& ui, ITimerService& timers,
                           std::string commandLinePath)
    : machine_(machine), ui_(ui), timers_(timers), commandLinePath_(std::move(commandLinePath)) {}
void CCorvaneView::OnInitialUpdate() { firstPaint_ = 1; }
void CCorvaneView::OnPainted() {}
void CCorvaneView::OnTimer(uint32_t) {}
