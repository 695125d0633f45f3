// Any bytes loaded as a snapshot must be refused or taken whole, never read past, and a
// snapshot taken must paint, on the screen and on the printer. Each input paints one
// display, picked by the low three bits of the snapshot's last byte, so that a run tries a
// million inputs in minutes; bytes past the snapshot (ignored by the load) pick the time
// base, gain, scale, side and grid. Only the spectrograph analyses the loaded block's
// spectra (the analysis itself has fuzz_spectrum): the others are painted as after a first
// paint, which is where their time goes otherwise.
#include <cstdint>
#include <cstring>
#include <optional>

#include "analyser/capture/trigger_search.h"
#include "analyser/document/sylvarine_doc.h"
#include "analyser/state/command_ids.h"
#include "analyser/view/sylvarine_view.h"
#include "tests/support/recording_surface.h"
#include "tests/support/view_on_doubles.h"

namespace {

constexpr uint32_t kDisplays[] = {CommandId::StereoOffset, CommandId::StereoOverlay,
                                  CommandId::Sum,          CommandId::Difference,
                                  CommandId::Lissajous,    CommandId::VuMeters,
                                  CommandId::Bargraphs,    CommandId::Spectrograph};

struct Settings {
  uint8_t timeBase = 5, gain = 0, scale = 0, side = 0, grid = 1, triggered = 0;
};

Settings SettingsFrom(const uint8_t* extra, size_t size) {
  Settings s;
  if (size > 0) s.timeBase = static_cast<uint8_t>(extra[0] % 8);
  if (size > 1) s.gain = static_cast<uint8_t>(extra[1] % 3);
  if (size > 2) {
    s.scale = extra[2] & 1;
    s.side = (extra[2] >> 1) & 1;
    s.grid = (extra[2] >> 2) & 1;
    s.triggered = (extra[2] >> 3) & 1;
  }
  return s;
}

using Analyser = ViewOnDoubles;

void PaintOneDisplay(const uint8_t* data, size_t size, uint32_t display, const Settings& settings) {
  // A fresh analyser each time, made in the same place, as the document below.
  static std::optional<Analyser> fresh;
  Analyser* analyser = &fresh.emplace();
  CSylvarineView& view = analyser->view;
  view.PreCreateWindow();
  if (analyser->document.LoadSnapshot(data, size) != SnapshotLoadResult::Loaded) __builtin_trap();
  if (display != CommandId::Spectrograph) analyser->document.loadedFromFile = 0;
  view.OnCommand(display);
  view.OnCommand(CommandId::TimeBase50ms + settings.timeBase);
  view.OnCommand(CommandId::Gain1 + settings.gain);
  view.OnCommand(settings.scale ? CommandId::ScaleLinear : CommandId::ScaleDecibel);
  view.OnCommand(settings.side ? CommandId::ScaleLeft : CommandId::ScaleRight);
  if (settings.grid == 0) view.OnCommand(CommandId::Grid);
  if (settings.triggered) {
    const TriggerResult trigger = FindTrigger(analyser->document.Block().sumSamples);
    view.State().triggerFound = trigger.found;
    view.State().triggerOffset = trigger.offset;
  }
  RecordingSurface screen;
  view.OnDraw(screen);
  view.OnPreparePrinting([] { return true; });
  view.OnBeginPrinting();
  RecordingSurface printer({0, 0, 2400, 1800});
  view.OnDraw(printer);
  view.OnEndPrinting();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static std::optional<CSylvarineDoc> fresh;
  CSylvarineDoc* doc = &fresh.emplace();
  if (doc->LoadSnapshot(data, size) != SnapshotLoadResult::Loaded) return 0;
  static uint8_t out[kSnapshotBytes];
  doc->StoreSnapshot(out);
  if (std::memcmp(out, data, kSnapshotBytes) != 0) __builtin_trap();
  PaintOneDisplay(data, size, kDisplays[data[kSnapshotBytes - 1] % 8],
                  SettingsFrom(data + kSnapshotBytes, size - kSnapshotBytes));
  return 0;
}
