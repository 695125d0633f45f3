#pragma once
// The program's one argument: the path of a script, in double quotes when the removal
// list starts the uninstaller.
#include <string>
#include <string_view>

#include "platform/machine.h"

// The file the argument names, as a Windows path: one pair of enclosing double quotes
// removed, a host path taken as its Z: form. Empty without an argument.
std::string CommandLineDocumentPath(std::string argument);
// The file named on the command line is opened before the view is made; when it
// cannot be, the program ends at start-up.
bool CommandLineDocumentOpens(IMachine& machine, std::string_view documentPath);
// The message of that failure.
std::string DocumentNotOpenedMessage(std::string_view documentPath);
