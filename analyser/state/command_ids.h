#pragma once
#include <cstdint>

// Menu command identifiers of the analyser.
namespace CommandId {
constexpr uint32_t FileNew = 0xE100, FileOpen = 0xE101, FileSave = 0xE103, FileSaveAs = 0xE104;
constexpr uint32_t FilePrintSetup = 0xE106, FilePrint = 0xE107, FilePrintPreview = 0xE109;
constexpr uint32_t FileMru1 = 0xE110, AppExit = 0xE141, AppAbout = 0xE140;
constexpr uint32_t ViewToolbar = 0xE800, ViewStatusBar = 0xE801;
// The framework's edit and pane commands: keys reach them, nothing handles them.
constexpr uint32_t EditCopy = 0xE122, EditCut = 0xE123, EditPaste = 0xE125, EditUndo = 0xE12B;
constexpr uint32_t NextPane = 0xE150, PreviousPane = 0xE151;

constexpr uint32_t Start = 32771, Stop = 32772;
constexpr uint32_t StereoOffset = 32773, StereoOverlay = 32774, Sum = 32775, Difference = 32776,
                   Lissajous = 32777;
constexpr uint32_t VuMeters = 32778, Bargraphs = 32779, SoundMixer = 32780;
constexpr uint32_t TimeBase50ms = 32781, TimeBase20ms = 32782, TimeBase10ms = 32783,
                   TimeBase5ms = 32784, TimeBase2ms = 32785, TimeBase1ms = 32786,
                   TimeBase05ms = 32787, TimeBase02ms = 32788;
constexpr uint32_t RefreshSlow = 32789, RefreshMedium = 32790, RefreshFast = 32791;
constexpr uint32_t Gain1 = 32792, Gain2 = 32793, Gain5 = 32794;
constexpr uint32_t ScaleDecibel = 32795, ScaleLinear = 32796, ScaleRight = 32797,
                   ScaleLeft = 32798;
constexpr uint32_t Grid = 32823, Help = 32824, Preferences = 32826, WebPage = 32827;
constexpr uint32_t Spectrograph = 32828;
constexpr uint32_t IntegrationOff = 32830, IntegrationShort = 32831, IntegrationMedium = 32832,
                   IntegrationLong = 32833, CompressionCommon = 32834,
                   CompressionIndependent = 32835, CompressionOff = 32836;
}  // namespace CommandId

namespace TimerId {
constexpr uint32_t Acquisition = 250;
constexpr uint32_t StatusClock = 4096;
}  // namespace TimerId
