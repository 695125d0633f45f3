// Menu commands of the view and its hooks around printing.

#include "analyser/spectrum/spectrum_commands.h"
#include "analyser/state/command_ids.h"
#include "analyser/view/sylvarine_view.h"

namespace {

void RedrawAll(const ViewServices& services) { services.invalidation.Invalidate(nullptr, true); }

struct ScopeRow {
  uint32_t commandId;
  int32_t scopeMode;
  int32_t traceSet;
};
constexpr ScopeRow kScopeRows[] = {
    {CommandId::StereoOffset, ScopeMode::StereoOffset, TraceSet::Channels},
    {CommandId::StereoOverlay, ScopeMode::StereoOverlay, TraceSet::Channels},
    {CommandId::Sum, ScopeMode::Sum, TraceSet::Sum},
    {CommandId::Difference, ScopeMode::Difference, TraceSet::Difference},
    {CommandId::Lissajous, ScopeMode::Lissajous, TraceSet::Lissajous},
};

const ScopeRow* FindScopeRow(uint32_t id) {
  for (const ScopeRow& row : kScopeRows)
    if (row.commandId == id) return &row;
  return nullptr;
}

// The time-base commands run from 50 ms (32781) to 0.2 ms (32788), in table order.
const TimeBaseRow* FindTimeBaseRow(uint32_t id) {
  if (id < CommandId::TimeBase50ms || id > CommandId::TimeBase02ms) return nullptr;
  return &kTimeBaseRows[id - CommandId::TimeBase50ms];
}

struct ValueCommand {
  uint32_t commandId;
  int32_t value;
};
constexpr ValueCommand kRefreshCommands[] = {{CommandId::RefreshFast, RefreshRate::Fast},
                                             {CommandId::RefreshMedium, RefreshRate::Medium},
                                             {CommandId::RefreshSlow, RefreshRate::Slow}};
constexpr ValueCommand kGainCommands[] = {
    {CommandId::Gain1, 1}, {CommandId::Gain2, 2}, {CommandId::Gain5, 5}};
constexpr ValueCommand kScaleCommands[] = {{CommandId::ScaleDecibel, VerticalScale::Decibel},
                                           {CommandId::ScaleLinear, VerticalScale::Linear}};
constexpr ValueCommand kScaleSideCommands[] = {{CommandId::ScaleRight, ScaleSide::Right},
                                               {CommandId::ScaleLeft, ScaleSide::Left}};

template <std::size_t N>
const ValueCommand* FindValue(const ValueCommand (&table)[N], uint32_t id) {
  for (const ValueCommand& entry : table)
    if (entry.commandId == id) return &entry;
  return nullptr;
}

void PrepareStateForPrinting(CSylvarineView& view) {
  ViewState& s = view.State();
  view.StopAcquisition();
  s.outputTarget = OutputTarget::Printer;
  // The meters are never printed: the oscilloscope stands in for them.
  if (s.displayFamily != DisplayFamily::Spectrograph) s.displayFamily = DisplayFamily::Oscilloscope;
}

}  // namespace

bool CSylvarineView::OnCommand(uint32_t commandId) {
  ViewState& s = *state_;
  const ViewServices& services = services_;

  if (HandleSpectrumCommand(s, commandId)) return true;

  if (const ScopeRow* row = FindScopeRow(commandId)) {
    if (s.refreshPeriod < RefreshRate::Fast) {
      s.refreshPeriod = RefreshRate::Medium;
      RedrawAll(services);
    }
    s.displayFamily = DisplayFamily::Oscilloscope;
    s.scopeMode = row->scopeMode;
    s.traceSet = row->traceSet;
    if (row->scopeMode == ScopeMode::StereoOffset) {
      s.rightTraceCentre = kOffsetCentreRight;
      s.leftTraceCentre = kOffsetCentreLeft;
    } else if (row->scopeMode == ScopeMode::StereoOverlay) {
      s.rightTraceCentre = kOverlayCentre;
      s.leftTraceCentre = kOverlayCentre;
    }
    RedrawAll(services);
    return true;
  }
  if (const TimeBaseRow* row = FindTimeBaseRow(commandId)) {
    ApplyTimeBase(s, *row);
    RedrawAll(services);
    return true;
  }
  if (const ValueCommand* refresh = FindValue(kRefreshCommands, commandId)) {
    s.refreshPeriod = refresh->value;
    RedrawAll(services);
    return true;
  }
  if (const ValueCommand* gain = FindValue(kGainCommands, commandId)) {
    if (s.displayFamily != DisplayFamily::Oscilloscope) return true;
    s.verticalGain = gain->value;
    RedrawAll(services);
    return true;
  }
  if (const ValueCommand* scale = FindValue(kScaleCommands, commandId)) {
    s.verticalScale = scale->value;
    RedrawAll(services);
    return true;
  }
  if (const ValueCommand* side = FindValue(kScaleSideCommands, commandId)) {
    if (!OffsetLayoutShown(s)) return true;
    s.scaleSide = side->value;
    RedrawAll(services);
    return true;
  }

  switch (commandId) {
    case CommandId::Start:
      if (StartAcquisition()) RedrawAll(services);
      return true;
    case CommandId::Stop:
      if (StopAcquisition()) RedrawAll(services);
      return true;
    case CommandId::Spectrograph:
      s.refreshPeriod = RefreshRate::Spectrograph;
      s.scopeMode = ScopeMode::StereoOffset;
      s.displayFamily = DisplayFamily::Spectrograph;
      s.traceSet = TraceSet::Channels;
      s.rightTraceCentre = kOffsetCentreRight;
      s.leftTraceCentre = kOffsetCentreLeft;
      RedrawAll(services);
      return true;
    case CommandId::VuMeters:
    case CommandId::Bargraphs:
      if (s.refreshPeriod < RefreshRate::Fast) {
        s.refreshPeriod = RefreshRate::Fast;
        RedrawAll(services);
      }
      StartAcquisition();
      s.refreshPeriod = RefreshRate::Fast;
      s.displayFamily =
          commandId == CommandId::VuMeters ? DisplayFamily::VuMeters : DisplayFamily::Bargraphs;
      RedrawAll(services);
      return true;
    case CommandId::Grid:
      s.gridVisible = 1 - s.gridVisible;
      RedrawAll(services);
      return true;
    default:
      return false;
  }
}

bool CSylvarineView::IsChecked(uint32_t commandId) const {
  const ViewState& s = *state_;
  if (std::optional<bool> spectrum = SpectrumCommandChecked(s, commandId)) return *spectrum;
  if (const ScopeRow* row = FindScopeRow(commandId))
    return s.displayFamily == DisplayFamily::Oscilloscope && s.scopeMode == row->scopeMode;
  if (const TimeBaseRow* row = FindTimeBaseRow(commandId)) return s.timeBase == row->timeBase;
  if (const ValueCommand* v = FindValue(kRefreshCommands, commandId))
    return s.refreshPeriod == v->value;
  if (const ValueCommand* v = FindValue(kGainCommands, commandId)) return s.verticalGain == v->value;
  if (const ValueCommand* v = FindValue(kScaleCommands, commandId))
    return s.verticalScale == v->value;
  if (const ValueCommand* v = FindValue(kScaleSideCommands, commandId))
    return s.scaleSide == v->value;
  switch (commandId) {
    case CommandId::Start: return s.acquisitionRunning == 1;
    case CommandId::Stop: return s.acquisitionRunning == 0;
    case CommandId::Spectrograph: return s.displayFamily == DisplayFamily::Spectrograph;
    case CommandId::VuMeters: return s.displayFamily == DisplayFamily::VuMeters;
    case CommandId::Bargraphs: return s.displayFamily == DisplayFamily::Bargraphs;
    case CommandId::Grid: return s.gridVisible == 1;
    default: return false;
  }
}

bool CSylvarineView::OnPreparePrinting(const std::function<bool()>& runPrintDialog) {
  PrepareStateForPrinting(*this);
  const bool accepted = runPrintDialog();
  if (!accepted) {
    // No end-printing hook follows a cancelled dialog: without this the screen would be
    // painted with the printer's mapping until the next left click.
    state_->outputTarget = OutputTarget::Screen;
    RedrawAll(services_);
  }
  return accepted;
}

void CSylvarineView::OnBeginPrinting() { PrepareStateForPrinting(*this); }

void CSylvarineView::OnEndPrinting() {
  StopAcquisition();
  state_->outputTarget = OutputTarget::Screen;
}
