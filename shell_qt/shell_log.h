#pragma once
// One line on standard error per message box ("message") and status line ("status"),
// so that a person at a terminal, and the end-to-end tests, see what a program did.
#include <string_view>

namespace ShellQt {

// Writes "<kind>: <text>" and a line end; a line break inside the text becomes a space.
void LogLine(std::string_view kind, std::string_view text);

}  // namespace ShellQt
