// Start-up of the analyser on Windows: locale, document, command line, frame and view,
// then the message loop.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "analyser/document/sylvarine_doc.h"
#include "analyser/frame/document_files.h"
#include "analyser/win32/main_frame.h"
#include "analyser/win32/shell_registration.h"
#include "platform/windows/registry_profile.h"
#include "platform/windows/wave_sound_input.h"

namespace {

std::vector<std::wstring> Arguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> arguments;
  for (int i = 1; i < count; ++i) arguments.emplace_back(words[i]);
  LocalFree(words);
  return arguments;
}

int MessageLoop(CMainFrame& frame) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    frame.BeforeDispatch(message);
    if (frame.Accelerators() != nullptr &&
        TranslateAcceleratorW(frame.Handle(), frame.Accelerators(), &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand) {
  std::setlocale(LC_ALL, "");  // the user's locale for the date and time panes
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterSnapshotFileType();

  RegistryProfile profile(kRegistryKeyName, kApplicationTitle);
  CSylvarineDoc document;
  document.OnNewDocument();
  WaveSoundInput sound;

  const ShellCommand command = ParseShellCommand(Arguments());
  int status = 1;
  {
    CMainFrame frame(instance, document, profile, sound);
    if (!frame.Create()) return 1;
    if (command.file.empty() || frame.OpenSnapshot(command.file)) {
      if (command.print) {
        status = frame.PrintWithoutDialog(command.printer) ? 0 : 1;
      } else {
        frame.Show(showCommand);
        status = MessageLoop(frame);
      }
    }
  }
  // A sound stack stuck in the device's thread could hold up the exit: the preferences
  // are saved by now, so the process just ends.
  if (ThreadedSoundInput::AbandonedThreads() > 0) {
    std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}
