#pragma once
// The spectrograph's integration and compression commands (32830 to 32836).
#include <cstdint>
#include <optional>

#include "analyser/state/view_state.h"

// Applies the command and returns true when `commandId` is one of them.
bool HandleSpectrumCommand(ViewState& state, uint32_t commandId);
// The check mark of one of these commands, or nullopt for any other identifier.
std::optional<bool> SpectrumCommandChecked(const ViewState& state, uint32_t commandId);
