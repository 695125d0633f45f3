#include "analyser/frame/toolbar_table.h"

#include "analyser/state/command_ids.h"

namespace {

using namespace CommandId;

constexpr ToolbarEntry kToolbar[] = {
    {FileNew, "new"},
    {FileOpen, "open"},
    {FileSave, "save"},
    {0, nullptr},
    {FilePrintPreview, "preview"},
    {FilePrint, "print"},
    {0, nullptr},
    {AppAbout, "about"},
    {Help, "help"},
    {0, nullptr},
    {StereoOffset, "offset"},
    {StereoOverlay, "overlay"},
    {Sum, "sum"},
    {Difference, "difference"},
    {Lissajous, "lissajous"},
    {Spectrograph, "spectrograph"},
    {VuMeters, "vumeters"},
    {Bargraphs, "bargraphs"},
    {0, nullptr},
    {SoundMixer, "mixer"},
    {0, nullptr},
    {Start, "start"},
    {Stop, "stop"},
};

}  // namespace

std::span<const ToolbarEntry> ToolbarEntries() { return kToolbar; }
