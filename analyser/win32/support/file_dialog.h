#pragma once
// The system's open and save dialogs, filled in the one way the frame uses them.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

struct FileDialogRequest {
  bool save = false;         // a save dialog, which asks before it replaces a file
  std::string_view filter;   // "Name (*.ext)"
  std::string_view extension;  // ".ext": the filter's pattern, and what a typed name lacks
  std::string_view title;    // none: the system's own
  std::wstring proposed;     // the name shown at first
};

// The file chosen, or nothing when the person cancelled.
std::optional<std::wstring> AskFileName(HWND owner, const FileDialogRequest& request);
