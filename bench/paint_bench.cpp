// One complete paint of each display family into an 800 x 600 picture.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>

#include "analyser/app/support/qpainter_surface.h"
#include "analyser/state/command_ids.h"
#include "tools/osctool/inert_view_services.h"

namespace {

// Fonts need a GUI application; nothing is shown.
void EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "sylvarine_bench";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
}

struct PaintedView {
  InertAnalyser analyser;
  QImage image{800, 600, QImage::Format_RGB32};
  PainterCaches caches;  // kept across paints, as the window keeps them

  explicit PaintedView(int32_t displayFamily, int32_t scopeMode = ScopeMode::StereoOffset) {
    SampleBlock& block = analyser.document.Block();
    for (int n = 0; n < kSignificantSamples; ++n) {
      const double phase = 2.0 * M_PI * 1000.0 * n / 44100.0;
      block.rightSamples[n] = static_cast<int32_t>(std::lround(100.0 * std::sin(phase))) + 1;
      block.leftSamples[n] = static_cast<int32_t>(std::lround(60.0 * std::cos(phase))) + 1;
      block.sumSamples[n] = block.rightSamples[n] + block.leftSamples[n];
      block.differenceSamples[n] = block.rightSamples[n] - block.leftSamples[n];
    }
    ViewState& s = analyser.view.State();
    s.displayFamily = displayFamily;
    s.scopeMode = scopeMode;
    s.traceSet = scopeMode <= ScopeMode::StereoOverlay ? TraceSet::Channels : scopeMode;
    s.traceThickness = 2;
    ApplyTimeBase(s, kTimeBaseRows[2]);  // 10 ms: the most points per trace
    analyser.document.ProvideBlock(s.samples);
    analyser.view.AnalyseSpectrum(1);
    analyser.view.AnalyseSpectrum(2);
    Paint();  // fonts and pens made once, as at the first paint of a run
  }

  // A paint of the whole view, or of the part a window repaint exposes.
  void Paint(const QRect& exposed = QRect()) {
    QPainter painter(&image);
    if (exposed.isValid()) painter.setClipRect(exposed);
    QPainterSurface surface(painter, caches, QRect(0, 0, 800, 600), exposed);
    analyser.view.OnDraw(surface);
  }
};

void RunPaints(benchmark::State& run, int32_t family, int32_t mode = ScopeMode::StereoOffset,
               const QRect& exposed = QRect()) {
  EnsureGuiApplication();
  auto view = std::make_unique<PaintedView>(family, mode);
  for (auto _ : run) {
    view->Paint(exposed);
    benchmark::DoNotOptimize(view->image.constBits());
  }
}

void BM_PaintOscilloscopeOffset(benchmark::State& run) {
  RunPaints(run, DisplayFamily::Oscilloscope);
}
// What a measurement repaints at every collect: the trace area.
void BM_PaintOscilloscopeTraceArea(benchmark::State& run) {
  RunPaints(run, DisplayFamily::Oscilloscope, ScopeMode::StereoOffset, QRect(20, 20, 500, 400));
}
void BM_PaintOscilloscopeLissajous(benchmark::State& run) {
  RunPaints(run, DisplayFamily::Oscilloscope, ScopeMode::Lissajous);
}
void BM_PaintVuMeters(benchmark::State& run) { RunPaints(run, DisplayFamily::VuMeters); }
void BM_PaintBargraphs(benchmark::State& run) { RunPaints(run, DisplayFamily::Bargraphs); }
void BM_PaintSpectrograph(benchmark::State& run) { RunPaints(run, DisplayFamily::Spectrograph); }

}  // namespace

BENCHMARK(BM_PaintOscilloscopeOffset)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintOscilloscopeTraceArea)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintOscilloscopeLissajous)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintVuMeters)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintBargraphs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintSpectrograph)->Unit(benchmark::kMicrosecond);
