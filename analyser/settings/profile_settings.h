#pragma once
// The nine preferences kept in the per-user profile: eight colours and the trace thickness.
#include "analyser/state/view_state.h"
#include "platform/profile.h"

// Writes the defaults on the first run, then reads the nine values (missing ones read as 0).
void LoadProfileSettings(ViewState& state, IProfile& profile);
void SaveProfileSettings(const ViewState& state, IProfile& profile);
