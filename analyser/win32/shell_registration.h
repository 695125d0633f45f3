#pragma once
// The ".osc" type registered with the shell for the current user (a double click in the
// Explorer opens the analyser; its print verbs print without a window), and the command
// lines those verbs give.
#include <string>
#include <vector>

// Writes the type under HKEY_CURRENT_USER\Software\Classes; a failure is not reported
// (the program works without it).
void RegisterSnapshotFileType();

struct ShellCommand {
  std::wstring file;     // the snapshot to open, or empty
  bool print = false;    // "/p FILE" or "/pt FILE PRINTER [DRIVER PORT]"
  std::wstring printer;  // empty: the default printer
};
ShellCommand ParseShellCommand(const std::vector<std::wstring>& arguments);
