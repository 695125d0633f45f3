#include "analyser/view/sylvarine_view.h"

#include "analyser/capture/capture_engine.h"
#include "analyser/settings/profile_settings.h"

CSylvarineView::CSylvarineView(CSylvarineDoc& document, const ViewServices& services)
    : document_(document), services_(services), state_(std::make_unique<ViewState>()) {}

void ApplyTimeBase(ViewState& state, const TimeBaseRow& row) {
  state.timeBase = row.timeBase;
  state.pixelStep = row.pixelStep;
  state.sampleStride = row.sampleStride;
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
  s.rightTraceCentre = 120;
  s.leftTraceCentre = 320;
  s.sumTraceCentre = 220;
  s.differenceTraceCentre = 220;
  ApplyTimeBase(s, kTimeBaseRows[5]);  // 1 ms
  s.scopeArea = {20, 20, 520, 420};
  s.triggerOffset = 0;
  s.verticalGain = 1;
  s.scaleSide = ScaleSide::Right;
  s.verticalScale = VerticalScale::Decibel;
  s.rightIndex = s.leftIndex = s.sumIndex = s.differenceIndex = 0;
  OpenCaptureDevice(s, services_.sound, services_.messages);
}

void CSylvarineView::OnDestroy() {
  StopAcquisition();
  CloseCaptureDevice(*this);
  SaveProfileSettings(*state_, services_.profile);
}
