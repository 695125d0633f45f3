// The measurement loop: the acquisition timer alternates an arm tick (start one
// recording) and, captureWait later, a collect tick (convert, trigger, redraw).
#include "analyser/capture/acquisition_cycle.h"

#include "analyser/capture/trigger_search.h"
#include "analyser/spectrum/analyse_spectrum.h"
#include "analyser/state/command_ids.h"
#include "analyser/state/level_areas.h"

const char kAudioFaultReminderText[] =
    "Le programme ne peut pas fonctionner normalement à cause d'un problème qui vous a déjà été "
    "signalé. Quittez le programme et réessayez.";
const char kAudioFaultReminderCaption[] = "Dodiravadovu Duzav";

namespace {

// The areas the paint recorded, or where they stand before the first paint.
const Rect& DrawnOr(const Rect& drawn, const Rect& fallback) {
  return drawn == Rect{} ? fallback : drawn;
}

void InvalidateArea(const CaptureServices& services, const Rect& area) {
  services.invalidation.Invalidate(&area, true);
}

void InvalidateWholeView(const CaptureServices& services) {
  services.invalidation.Invalidate(nullptr, true);
}

void InvalidateCurrentDisplay(ViewState& s, const CaptureServices& services) {
  switch (s.displayFamily) {
    case DisplayFamily::Oscilloscope:
      InvalidateArea(services, s.scopeArea);
      break;
    case DisplayFamily::VuMeters:
      InvalidateArea(services, DrawnOr(s.leftMeterArea, kLeftMeterArea));
      InvalidateArea(services, DrawnOr(s.rightMeterArea, kRightMeterArea));
      break;
    case DisplayFamily::Bargraphs:
      InvalidateArea(services, DrawnOr(s.leftBarArea, kLeftBarArea));
      InvalidateArea(services, DrawnOr(s.rightBarArea, kRightBarArea));
      break;
    case DisplayFamily::Spectrograph:
      AnalyseSpectrumOf(s, 1);
      AnalyseSpectrumOf(s, 2);
      InvalidateWholeView(services);
      break;
    default:
      break;
  }
}

void ArmTimer(ViewState& s, ITimerService& timers, int32_t periodMs) {
  timers.SetTimer(TimerId::Acquisition, periodMs > 0 ? static_cast<uint32_t>(periodMs) : 1u);
  s.acquisitionRunning = 1;
}

void RunArmStep(ViewState& s, const CaptureServices& services) {
  // Re-armed after a failed device call too: the next tick finds audioFault, stops the
  // measurement and reminds the person of the fault.
  ArmCapture(s, services);
  ArmTimer(s, services.timers, s.captureWait);
  s.capturePhase = CapturePhase::Collect;
}

void RunCollectStep(ViewState& s, CSylvarineDoc& document, const CaptureServices& services) {
  CollectCapture(s, services);
  document.AcceptBlock(s.samples);
  const TriggerResult trigger = FindTrigger(s.samples.sumSamples);
  s.triggerFound = trigger.found;
  s.triggerOffset = trigger.offset;
  s.syncIndicatorArea = kSyncIndicatorArea;
  InvalidateArea(services, s.syncIndicatorArea);
  s.capturePhase = CapturePhase::Arm;
  InvalidateCurrentDisplay(s, services);
  // Read now, so a change of the refresh period counts from this collect on.
  ArmTimer(s, services.timers, s.refreshPeriod);
}

}  // namespace

void RunAcquisitionTick(ViewState& s, CSylvarineDoc& document, const CaptureServices& services) {
  // A tick that outlived a stop must not restart the measurement.
  if (s.acquisitionRunning == 0) return;
  if (s.audioFault == 1) {
    if (StopAcquisition(s, services.timers)) InvalidateWholeView(services);
    services.messages.ShowMessage(kAudioFaultReminderText, kAudioFaultReminderCaption,
                                  MessageIcon::None, MessageButtons::Ok, true);
    return;
  }
  // Stopped before the device calls, so no tick runs while a failure's box is open.
  StopAcquisition(s, services.timers);
  if (s.capturePhase == CapturePhase::Arm)
    RunArmStep(s, services);
  else if (s.capturePhase == CapturePhase::Collect)
    RunCollectStep(s, document, services);
}

bool StartAcquisition(ViewState& s, ITimerService& timers) {
  if (s.acquisitionRunning != 0) return false;
  s.capturePhase = CapturePhase::Arm;
  ArmTimer(s, timers, s.captureWait);
  return true;
}

bool StopAcquisition(ViewState& s, ITimerService& timers) {
  if (s.acquisitionRunning != 1) return false;
  timers.KillTimer(TimerId::Acquisition);
  s.acquisitionRunning = 0;
  return true;
}
