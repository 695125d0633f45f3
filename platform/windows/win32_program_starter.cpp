#include "platform/windows/win32_program_starter.h"

#include <windows.h>

#include <vector>

#include "platform/windows/command_line.h"
#include "platform/windows/wide_text.h"

bool Win32ProgramStarter::StartProgram(std::string_view program, const std::string_view* arguments,
                                       int argumentCount) {
  if (program.empty()) return false;
  std::vector<std::wstring> wide;
  for (int i = 0; i < argumentCount; ++i) wide.push_back(Utf8ToWide(arguments[i]));
  const std::wstring line = BuildCommandLine(Utf8ToWide(program), wide.data(), argumentCount);
  std::vector<wchar_t> writable(line.begin(), line.end());  // CreateProcessW may write into it
  writable.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started))
    return false;
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return true;
}
