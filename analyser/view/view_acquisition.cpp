// The view's end of the measurement loop: its timer and its start and stop.
#include "analyser/capture/acquisition_cycle.h"
#include "analyser/state/command_ids.h"
#include "analyser/view/sylvarine_view.h"

void CSylvarineView::OnTimer(uint32_t timerId) {
  if (timerId != TimerId::Acquisition) return;
  RunAcquisitionTick(*state_, document_, Capture());
}

bool CSylvarineView::StartAcquisition() { return ::StartAcquisition(*state_, services_.timers); }

bool CSylvarineView::StopAcquisition() { return ::StopAcquisition(*state_, services_.timers); }
