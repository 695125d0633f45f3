#pragma once
// One line on standard error per message box and status line, so that a person
// at a terminal, and the end-to-end tests, see what the installer did.
#include <string_view>

void LogLine(std::string_view kind, std::string_view text);
