#pragma once
// The sound-card capture engine: one fixed 8000-byte buffer, one header,
// 8-bit unsigned stereo at 44100 Hz, converted to signed values b - 127.
#include "analyser/state/view_state.h"
#include "platform/invalidation.h"
#include "platform/message_box.h"
#include "platform/sound_input.h"
#include "platform/timer_service.h"

// What the capture engine and the acquisition cycle reach beyond the view's state.
// The engine leaves the timers to its callers: they stop the acquisition before any
// device call (the cycle at every tick, the view before closing), so no tick runs
// while a failure's box is open.
struct CaptureServices {
  ITimerService& timers;
  IInvalidation& invalidation;
  IMessageBox& messages;
  ISoundInput& sound;
};

extern const char kAudioOpenFailureText[];
extern const char kAudioOpenFailureCaption[];
// Its caption is the application title.
extern const char kAudioUseFailureText[];

// Fills captureFormat, captureHeader and sampleRate.
void FillCaptureRecords(ViewState& state);
// Opens the device; on failure shows the open-failure box (no owner) and latches audioFault.
void OpenCaptureDevice(ViewState& state, ISoundInput& sound, IMessageBox& messages);
// A device call that fails is reported in a box, latches audioFault and makes the
// operation return false.
// Prepare, queue and start one recording, each call made even after an earlier failed.
bool ArmCapture(ViewState& state, const CaptureServices& services);
// Takes what the device delivered, then converts the whole buffer all the same.
bool CollectCapture(ViewState& state, const CaptureServices& services);
// Converts the whole buffer into the four working arrays, indices 0..3999.
void ConvertCaptureBuffer(ViewState& state);
// Closes the device if it is open; the device counts as closed even after a failure.
bool CloseCaptureDevice(ViewState& state, const CaptureServices& services);
