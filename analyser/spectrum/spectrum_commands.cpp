// Placeholder until the spectrum commands land.
#include "analyser/spectrum/spectrum_commands.h"
bool HandleSpectrumCommand(ViewState&, uint32_t) { return false; }
std::optional<bool> SpectrumCommandChecked(const ViewState&, uint32_t) { return std::nullopt; }
