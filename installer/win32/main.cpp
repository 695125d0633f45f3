// setup.exe: the script-driven installer on Windows and, copied as CRVunins.exe, its
// uninstaller. The script comes from "setup.inf" in the working directory or from the
// one argument, a path in double quotes.
#include <windows.h>
// Needs the types of windows.h.
#include <commctrl.h>

#include <string>

#include "installer/modes/corvane_view.h"
#include "installer/prompts/installer_texts.h"
#include "installer/script/command_line.h"
#include "installer/win32/corvane_window.h"
#include "installer/win32/installer_ui.h"
#include "installer/window/window_layout.h"
#include "platform/windows/wide_text.h"
#include "platform/windows/win32_machine.h"
#include "shell_qt/shell_log.h"
#include "shell_win32/message_box.h"

namespace {

std::string CurrentDirectory() {
  std::wstring directory(GetCurrentDirectoryW(0, nullptr), L'\0');
  directory.resize(GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), directory.data()));
  return WideToUtf8(directory);
}

int MessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

// `arguments` is the command line after the program's name, exactly as received.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR arguments, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  Win32Machine machine;

  const std::string argument = WideToUtf8(arguments);
  const std::string document = CommandLineDocumentPath(argument);
  if (!document.empty() && !CommandLineDocumentOpens(machine, document)) {
    // No view exists yet: the box has no owner, and the process ends after it.
    ShellWin32::MessageBoxes().ShowMessage(DocumentNotOpenedMessage(document),
                                           InstallerWindow::MessageCaption, MessageIcon::None,
                                           MessageButtons::Ok, false);
    return 1;
  }

  CorvaneWindow window(instance);
  Win32InstallerUi ui(instance, window);
  CCorvaneView view(machine, ui, window, argument);
  window.Attach(view);
  view.SetWorkingDirectory(CurrentDirectory());
  if (const ProcessEnd end = view.OnInitialUpdate()) return *end;
  // The first status line is the product name, shown before any step.
  ShellQt::LogLine("status", view.StatusText());
  if (!window.Create()) return 1;
  window.Show(showCommand);
  MessageLoop();
  return window.ExitStatus().value_or(1);
}
