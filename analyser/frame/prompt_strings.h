#pragma once
// The string table of the commands: the status-bar prompt, then "\n" and the tooltip.
#include <cstdint>
#include <string_view>

// What pane 0 shows while no command is highlighted.
constexpr char kIdlePrompt[] = "Pour l'aide, appuyez sur F1";

// The whole entry of a command; empty when the command has none.
std::string_view PromptString(uint32_t commandId);
std::string_view StatusPrompt(uint32_t commandId);
std::string_view Tooltip(uint32_t commandId);
