#include "analyser/spectrum/spectrum_commands.h"

#include "analyser/state/command_ids.h"

namespace {

struct IntegrationItem {
  uint32_t commandId;
  uint8_t depth;
};
constexpr IntegrationItem kIntegrationItems[] = {
    {CommandId::IntegrationShort, IntegrationDepth::Short},
    {CommandId::IntegrationMedium, IntegrationDepth::Medium},
    {CommandId::IntegrationLong, IntegrationDepth::Long},
};

struct CompressionItem {
  uint32_t commandId;
  uint8_t compression;
};
constexpr CompressionItem kCompressionItems[] = {
    {CommandId::CompressionOff, SpectrumCompression::Off},
    {CommandId::CompressionCommon, SpectrumCompression::Common},
    {CommandId::CompressionIndependent, SpectrumCompression::Independent},
};

}  // namespace

bool HandleSpectrumCommand(ViewState& state, uint32_t commandId) {
  if (commandId == CommandId::IntegrationOff) {
    state.integrationEnabled = 0;  // the depth is kept for when integration comes back
    return true;
  }
  for (const IntegrationItem& item : kIntegrationItems) {
    if (item.commandId != commandId) continue;
    state.integrationEnabled = 1;
    state.integrationDepth = item.depth;
    return true;
  }
  for (const CompressionItem& item : kCompressionItems) {
    if (item.commandId != commandId) continue;
    state.spectrumCompression = item.compression;
    return true;
  }
  return false;
}

std::optional<bool> SpectrumCommandChecked(const ViewState& state, uint32_t commandId) {
  if (commandId == CommandId::IntegrationOff) return state.integrationEnabled == 0;
  for (const IntegrationItem& item : kIntegrationItems)
    if (item.commandId == commandId)
      return state.integrationEnabled == 1 && state.integrationDepth == item.depth;
  for (const CompressionItem& item : kCompressionItems)
    if (item.commandId == commandId) return state.spectrumCompression == item.compression;
  return std::nullopt;
}
