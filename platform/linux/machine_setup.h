#pragma once
// Makes what a Windows machine always has, whenever some of it is missing.
#include <string>

class HiveStore;

// Under the registry lock: the machine directory, C:\Program Files,
// C:\WINDOWS\SYSTEM, the four shell folders (made, and registered for the current
// user where their values are missing) and both registry files. A damaged registry
// file is left as it is. False, with `fault`, when the directory cannot be used.
bool PrepareMachineDirectory(const std::string& machineDirectory, const HiveStore& hives,
                             std::string& fault);
