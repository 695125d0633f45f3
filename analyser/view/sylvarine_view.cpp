#include "analyser/view/sylvarine_view.h"

#include "analyser/capture/acquisition_cycle.h"
#include "analyser/display/paint.h"
#include "analyser/settings/profile_settings.h"
#include "analyser/spectrum/analyse_spectrum.h"

CSylvarineView::CSylvarineView(CSylvarineDoc& document, const ViewServices& services)
    : document_(document), services_(services), state_(std::make_unique<ViewState>()) {}

CaptureServices CSylvarineView::Capture() const {
  return {services_.timers, services_.invalidation, services_.messages, services_.sound};
}

void CSylvarineView::PreCreateWindow() {
  ViewState& s = *state_;
  s.spectrumCompression = SpectrumCompression::Common;
  s.integrationEnabled = 1;
  s.integrationDepth = IntegrationDepth::Short;
  s.gridVisible = 1;
  s.audioFault = 0;
  LoadProfileSettings(s, services_.profile);
  s.outputTarget = OutputTarget::Screen;
  s.resourcesPending = 1;
  FillCaptureRecords(s);
  s.acquisitionRunning = 0;
  s.scopeMode = ScopeMode::StereoOffset;
  s.captureWait = 400;
  s.refreshPeriod = RefreshRate::Medium;
  s.deviceOpen = 0;
  s.displayFamily = DisplayFamily::Oscilloscope;
  s.traceSet = TraceSet::Channels;
  s.rightTraceCentre = kOffsetCentreRight;
  s.leftTraceCentre = kOffsetCentreLeft;
  s.sumTraceCentre = kOverlayCentre;
  s.differenceTraceCentre = kOverlayCentre;
  ApplyTimeBase(s, kTimeBaseRows[5]);  // 1 ms
  s.scopeArea = {20, 20, 520, 420};
  s.triggerOffset = 0;
  s.verticalGain = 1;
  s.scaleSide = ScaleSide::Right;
  s.verticalScale = VerticalScale::Decibel;
  OpenCaptureDevice(s, services_.sound, services_.messages);
}

void CSylvarineView::OnDestroy() {
  StopAcquisition();
  CloseCaptureDevice(*state_, Capture());
  SaveProfileSettings(*state_, services_.profile);
}

void CSylvarineView::OnDraw(DrawingSurface& surface) { PaintView(*state_, document_, surface); }

void CSylvarineView::OnDrawWindow(DrawingSurface& surface) {
  const int32_t target = state_->outputTarget;
  state_->outputTarget = OutputTarget::Screen;
  PaintView(*state_, document_, surface);
  state_->outputTarget = target;
}

void CSylvarineView::AnalyseSpectrum(uint8_t channel) { AnalyseSpectrumOf(*state_, channel); }
