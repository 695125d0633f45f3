#include "analyser/win32/settings_commands.h"

#include <optional>
#include <string>

#include <commdlg.h>

#include "analyser/frame/about_template.h"
#include "analyser/frame/preferences_template.h"
#include "analyser/settings/mixer_programs.h"
#include "analyser/settings/page_launcher.h"
#include "analyser/settings/preferences_logic.h"
#include "analyser/view/sylvarine_view.h"
#include "platform/windows/win32_machine.h"
#include "analyser/win32/template_dialog.h"
#include "platform/windows/win32_program_starter.h"
#include "shell_win32/message_box.h"

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

namespace {

// The system's colour chooser, open in full, solid colours only, preset to `colour`.
bool ChooseColour(HWND owner, Colour& colour) {
  static COLORREF customColours[16] = {};  // kept for the run, as the chooser expects
  CHOOSECOLORW chooser{};
  chooser.lStructSize = sizeof chooser;
  chooser.hwndOwner = owner;
  chooser.rgbResult = colour;  // both are 0x00BBGGRR
  chooser.lpCustColors = customColours;
  chooser.Flags = CC_FULLOPEN | CC_RGBINIT | CC_SOLIDCOLOR;
  if (!ChooseColorW(&chooser)) return false;
  colour = chooser.rgbResult;
  return true;
}

void ShowThicknessChecks(HWND dialog, const PreferencesModel& model) {
  for (int i = 0; i < kThicknessChoices; ++i)
    CheckDlgButton(dialog, PreferencesControl::FirstThicknessRadio + i,
                   model.ThicknessChecks()[static_cast<std::size_t>(i)] ? BST_CHECKED : BST_UNCHECKED);
}

}  // namespace

void RunPreferencesDialog(HWND owner, HINSTANCE instance, CSylvarineView& view) {
  namespace C = PreferencesControl;
  PreferencesModel model(view.State());
  const auto show = [&](HWND dialog) { ShowThicknessChecks(dialog, model); };
  const INT_PTR result = RunTemplateDialog(owner, instance, PreferencesTemplate(), show,
                                           [&](HWND dialog, int32_t id) {
    // The pages' messages belong to the dialog, which stays open under them.
    ShellWin32::MessageBoxes messages;
    messages.SetOwner(dialog);
    if (id == C::Ok) {
      EndDialog(dialog, IDOK);
    } else if (id == C::Defaults) {
      model.ApplyDefaults();
      EndDialog(dialog, IDOK);
    } else if (id == C::Help) {
      LaunchPage(kHelpPage, messages);
    } else if (id == C::WebPage) {
      LaunchPage(kWebPage, messages);
    } else if (const int element = PreferencesModel::ColourElementOf(id); element >= 0) {
      Colour colour = model.Values().colours[element];
      if (ChooseColour(dialog, colour)) model.ChooseColour(element, colour);
      show(dialog);
    } else if (const int32_t pixels = PreferencesModel::ThicknessOf(id); pixels > 0) {
      model.ChooseThickness(pixels);
      show(dialog);
    }
  });
  FinishPreferences(model, result == IDOK, view.State(), view.Services().invalidation);
}

void ShowAboutBox(HWND owner, HINSTANCE instance) {
  RunTemplateDialog(owner, instance, AboutBoxTemplate(), nullptr,
                    [](HWND dialog, int32_t id) { EndDialog(dialog, id); });
}
