// The measurement loop: the acquisition timer alternates an arm tick (start one
// recording) and, captureWait later, a collect tick (convert, trigger, redraw).
#include "analyser/capture/acquisition_cycle.h"

#include "analyser/capture/capture_engine.h"
#include "analyser/capture/trigger_search.h"
#include "analyser/view/command_ids.h"
#include "analyser/view/sylvarine_view.h"

const char kAudioFaultReminderText[] =
    "Le programme ne peut pas fonctionner normalement à cause d'un problème qui vous a déjà été "
    "signalé. Quittez le programme et réessayez.";
const char kAudioFaultReminderCaption[] = "Dodiravadovu Duzav";

namespace {

// Where the meters and bars stand until the drawing code has written their areas.
constexpr Rect kDefaultLeftMeterArea{20, 100, 370, 300};
constexpr Rect kDefaultRightMeterArea{420, 100, 770, 300};
constexpr Rect kDefaultLeftBarArea{180, 100, 210, 400};
constexpr Rect kDefaultRightBarArea{580, 100, 610, 400};

const Rect& DrawnOr(const Rect& drawn, const Rect& fallback) {
  return drawn == Rect{} ? fallback : drawn;
}

void InvalidateArea(CSylvarineView& view, const Rect& area) {
  view.Services().invalidation.Invalidate(&area, true);
}

void InvalidateWholeView(CSylvarineView& view) {
  view.Services().invalidation.Invalidate(nullptr, true);
}

void InvalidateCurrentDisplay(CSylvarineView& view) {
  const ViewState& s = view.State();
  switch (s.displayFamily) {
    case DisplayFamily::Oscilloscope:
      InvalidateArea(view, s.scopeArea);
      break;
    case DisplayFamily::VuMeters:
      InvalidateArea(view, DrawnOr(s.leftMeterArea, kDefaultLeftMeterArea));
      InvalidateArea(view, DrawnOr(s.rightMeterArea, kDefaultRightMeterArea));
      break;
    case DisplayFamily::Bargraphs:
      InvalidateArea(view, DrawnOr(s.leftBarArea, kDefaultLeftBarArea));
      InvalidateArea(view, DrawnOr(s.rightBarArea, kDefaultRightBarArea));
      break;
    case DisplayFamily::Spectrograph:
      view.AnalyseSpectrum(1);
      view.AnalyseSpectrum(2);
      InvalidateWholeView(view);
      break;
    default:
      break;
  }
}

void ArmTimer(CSylvarineView& view, int32_t periodMs) {
  ViewState& s = view.State();
  view.Services().timers.SetTimer(TimerId::Acquisition,
                                  periodMs > 0 ? static_cast<uint32_t>(periodMs) : 1u);
  s.acquisitionRunning = 1;
}

void RunArmStep(CSylvarineView& view) {
  ViewState& s = view.State();
  ArmCapture(view);
  // Re-armed after a failed device call too: the next tick reports the fault.
  ArmTimer(view, s.captureWait);
  s.capturePhase = CapturePhase::Collect;
}

void RunCollectStep(CSylvarineView& view) {
  ViewState& s = view.State();
  CollectCapture(view);
  view.Document().AcceptBlock(s.samples);
  const TriggerResult trigger = FindTrigger(s.samples.sumSamples);
  s.triggerFound = trigger.found;
  s.triggerOffset = trigger.offset;
  s.syncIndicatorArea = kSyncIndicatorArea;
  InvalidateArea(view, s.syncIndicatorArea);
  s.capturePhase = CapturePhase::Arm;
  InvalidateCurrentDisplay(view);
  // Read now, so a change of the refresh period counts from this collect on.
  ArmTimer(view, s.refreshPeriod);
}

bool InTraceArea(Point p) { return p.x > 15 && p.x < 524 && p.y > 15 && p.y < 424; }

}  // namespace

void CSylvarineView::OnTimer(uint32_t timerId) {
  if (timerId != TimerId::Acquisition) return;
  ViewState& s = *state_;
  // A tick that outlived a stop must not restart the measurement.
  if (s.acquisitionRunning == 0) return;
  if (s.audioFault == 1) {
    if (StopAcquisition()) InvalidateWholeView(*this);
    services_.messages.ShowMessage(kAudioFaultReminderText, kAudioFaultReminderCaption,
                                   MessageIcon::None, MessageButtons::Ok, true);
    return;
  }
  services_.timers.KillTimer(TimerId::Acquisition);
  s.acquisitionRunning = 0;
  if (s.capturePhase == CapturePhase::Arm)
    RunArmStep(*this);
  else if (s.capturePhase == CapturePhase::Collect)
    RunCollectStep(*this);
}

bool CSylvarineView::StartAcquisition() {
  ViewState& s = *state_;
  if (s.acquisitionRunning != 0) return false;
  s.capturePhase = CapturePhase::Arm;
  ArmTimer(*this, s.captureWait);
  return true;
}

bool CSylvarineView::StopAcquisition() {
  ViewState& s = *state_;
  if (s.acquisitionRunning != 1) return false;
  services_.timers.KillTimer(TimerId::Acquisition);
  s.acquisitionRunning = 0;
  return true;
}

void CSylvarineView::OnRButtonDown(Point client) {
  ViewState& s = *state_;
  s.lastClick = client;
  if (s.displayFamily != DisplayFamily::Oscilloscope || !InTraceArea(client)) return;
  if (StopAcquisition()) InvalidateWholeView(*this);
}
