#include "analyser/win32/settings_commands.h"

#include <optional>
#include <string>

#include "analyser/settings/mixer_programs.h"
#include "analyser/settings/page_launcher.h"
#include "analyser/view/sylvarine_view.h"
#include "platform/windows/win32_machine.h"
#include "platform/windows/win32_program_starter.h"

namespace {

// On Windows a Windows path is the path itself.
class SamePaths : public IHostPaths {
 public:
  std::optional<std::string> ToHostPath(std::string_view windowsPath) override {
    return std::string(windowsPath);
  }
};

// The browser is the one the registry names for HTML files, or none.
class NoOtherBrowser : public IHtmlHandlerSource {
 public:
  std::optional<std::string> DefaultHtmlHandler() override { return std::nullopt; }
};

void LaunchPage(const char* page, IMessageBox& messages) {
  Win32Machine machine;
  SamePaths paths;
  NoOtherBrowser desktop;
  Win32ProgramStarter starter;
  PageLauncher launcher(PageLauncherServices{machine, paths, desktop, messages, starter}, page);
  launcher.LaunchPage();
}

}  // namespace

void OpenHelpPage(HWND, IMessageBox& messages) { LaunchPage(kHelpPage, messages); }

void OpenWebPage(HWND, IMessageBox& messages) { LaunchPage(kWebPage, messages); }

void StartSoundMixer() {
  // Started as WinExec starts it, with a shown window; a failure is not reported.
  Win32ProgramStarter starter;
  for (const char* mixer : kWindowsMixerPrograms)
    if (starter.StartProgram(mixer, nullptr, 0)) return;
}

void RunPreferencesDialog(HWND, HINSTANCE, CSylvarineView&, IMessageBox&) {}
