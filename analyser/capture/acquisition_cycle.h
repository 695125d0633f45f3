#pragma once
// Fixed values and texts of the acquisition cycle (timer TimerId::Acquisition).
#include "platform/geometry.h"

// The trigger-status area, invalidated after every collect.
constexpr Rect kSyncIndicatorArea{572, 342, 683, 353};

// Shown at the first tick after a start once a device call has failed.
extern const char kAudioFaultReminderText[];
extern const char kAudioFaultReminderCaption[];
