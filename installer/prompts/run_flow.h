#pragma once
// How a run goes on after a step: to the next step, or to the end of the process.
// Steps hand this up to the view, and the view hands the shell an exit status:
// nothing ends the process from inside the core.
#include <optional>

enum class [[nodiscard]] Flow { Continue, Quit };

// The exit status with which the shell ends the process now; empty while it runs on.
using ProcessEnd = std::optional<int>;
