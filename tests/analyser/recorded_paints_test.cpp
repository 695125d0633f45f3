// Every display painted from one known block, recorded operation by operation and compared
// with the recordings in tests/data: the whole geometry of each display, stated once.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "analyser/capture/trigger_search.h"
#include "analyser/state/command_ids.h"
#include "analyser/view/sylvarine_view.h"
#include "tests/support/golden_file.h"
#include "tests/support/recording_surface.h"
#include "tests/support/view_on_doubles.h"

namespace {

using Op = RecordingSurface::Op;

std::string Hex(Colour colour) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(colour));
  return text;
}

std::string Listing(const RecordingSurface& surface) {
  static constexpr const char* kOps[] = {"mapping", "font",  "pen",  "text-colour",
                                         "transparent", "fill", "rectangle", "move",
                                         "line",  "text",  "bump-edge"};
  std::string out;
  for (const RecordingSurface::Entry& e : surface.entries) {
    out += kOps[static_cast<int>(e.op)];
    const auto numbers = [&](int count) {
      const int32_t values[] = {e.a, e.b, e.c, e.d};
      for (int k = 0; k < count; ++k) out += " " + std::to_string(values[k]);
    };
    switch (e.op) {
      case Op::SelectFont:
        out += " " + std::to_string(e.font.height) + "/" + std::to_string(e.font.width) + "/" +
               std::to_string(e.font.weight) + " " + e.font.faceName;
        break;
      case Op::SelectPen:
        out += " " + std::to_string(static_cast<int>(e.pen.style)) + "/" +
               std::to_string(e.pen.width) + "/" + Hex(e.pen.colour);
        break;
      case Op::SetTextColour: out += " " + Hex(e.colour); break;
      case Op::SetTransparentText: break;
      case Op::FillSolidRect: numbers(4); out += " " + Hex(e.colour); break;
      case Op::MoveTo: numbers(2); break;
      case Op::TextOut: numbers(2); out += " " + e.text; break;
      default: numbers(4); break;
    }
    out += "\n";
  }
  return out;
}

using Analyser = ViewOnDoubles;

// A block with a trigger and a spectrum: a 98-sample sawtooth on the right, a slower triangle on the left.
void FillKnownBlock(SampleBlock& block) {
  for (int k = 0; k < kSignificantSamples; ++k) {
    const int32_t right = k % 98 - 49;
    const int32_t phase = k % 300;
    const int32_t left = (phase < 150 ? phase : 300 - phase) - 75;
    block.rightSamples[k] = right;
    block.leftSamples[k] = left;
    block.sumSamples[k] = left + right;
    block.differenceSamples[k] = right - left;
  }
}

std::string RecordedPaint(uint32_t displayCommand, bool printer) {
  auto analyser = std::make_unique<Analyser>();
  CSylvarineView& view = analyser->view;
  view.PreCreateWindow();
  FillKnownBlock(analyser->document.Block());
  analyser->document.loadedFromFile = 1;  // as a file opens: the paint analyses its spectra
  view.OnCommand(displayCommand);
  const TriggerResult trigger = FindTrigger(analyser->document.Block().sumSamples);
  view.State().triggerFound = trigger.found;
  view.State().triggerOffset = trigger.offset;
  RecordingSurface surface;
  if (printer) view.OnBeginPrinting();
  view.OnDraw(surface);
  return Listing(surface);
}

struct Display {
  const char* name;
  uint32_t command;
};
constexpr Display kDisplays[] = {
    {"offset", CommandId::StereoOffset}, {"overlay", CommandId::StereoOverlay},
    {"sum", CommandId::Sum},             {"difference", CommandId::Difference},
    {"lissajous", CommandId::Lissajous}, {"vumeters", CommandId::VuMeters},
    {"bargraphs", CommandId::Bargraphs}, {"spectrograph", CommandId::Spectrograph},
};

TEST(RecordedPaints, EveryDisplayOnTheScreen) {
  for (const Display& display : kDisplays) {
    EXPECT_TRUE(MatchesGoldenFile(std::string("paints/") + display.name + ".txt",
                                  RecordedPaint(display.command, false)))
        << display.name;
  }
}

TEST(RecordedPaints, TheOscilloscopeAndTheSpectrographOnThePrinter) {
  for (const Display& display : {kDisplays[0], kDisplays[7]}) {
    EXPECT_TRUE(MatchesGoldenFile(std::string("paints/") + display.name + "_printer.txt",
                                  RecordedPaint(display.command, true)))
        << display.name;
  }
}

}  // namespace
