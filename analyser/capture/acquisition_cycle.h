#pragma once
// The measurement loop on the acquisition timer (TimerId::Acquisition): an arm tick
// starts one recording and, captureWait later, a collect tick converts it, searches
// the trigger and redraws.
#include "analyser/capture/capture_engine.h"
#include "analyser/document/sylvarine_doc.h"
#include "analyser/state/view_state.h"
#include "platform/geometry.h"

// The trigger-status area, invalidated after every collect.
constexpr Rect kSyncIndicatorArea{572, 342, 683, 353};

// Shown at the first tick after a start once a device call has failed.
extern const char kAudioFaultReminderText[];
extern const char kAudioFaultReminderCaption[];

// Arms the timer for captureWait; false (and nothing done) when already running.
bool StartAcquisition(ViewState& state, ITimerService& timers);
// Kills the timer; false (and nothing done) when already stopped.
bool StopAcquisition(ViewState& state, ITimerService& timers);
// One tick of the acquisition timer: the arm or the collect step, or the fault reminder.
void RunAcquisitionTick(ViewState& state, CSylvarineDoc& document,
                        const CaptureServices& services);
