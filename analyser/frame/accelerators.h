#pragma once
// The accelerator table: the keys that trigger a command, and whether the menu names them.
#include <cstdint>
#include <span>

struct Accelerator {
  const char* keys;  // portable key sequence text, e.g. "Ctrl+N", "F1"
  uint32_t commandId;
  bool namedInMenu;  // the menu shows the keys after the item's text
};

// The keys of the program's own commands.
std::span<const Accelerator> Accelerators();
// Keys the table also maps, to the framework's edit and pane commands; no handler
// answers them, so they do nothing.
std::span<const Accelerator> UnhandledAccelerators();
