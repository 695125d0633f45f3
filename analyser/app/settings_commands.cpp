#include "analyser/app/settings_commands.h"

#include <QWidget>
#include <string>

#include "analyser/app/preferences_dialog.h"
#include "analyser/app/qt_view_host.h"
#include "analyser/app/xdg_html_handler.h"
#include "analyser/settings/page_launcher.h"
#include "analyser/settings/preferences_logic.h"
#include "analyser/view/sylvarine_view.h"
#include "platform/linux/host_machine.h"
#include "platform/linux/program_starter.h"

namespace {

// The machine the installer installs on, over the machine-wide layer a package
// ships; reading it creates nothing.
constexpr std::string_view kMachineDirectoryName = "corvane-machine";

class MachineHostPaths : public IHostPaths {
 public:
  explicit MachineHostPaths(const HostMachine& machine) : machine_(machine) {}
  std::optional<std::string> ToHostPath(std::string_view windowsPath) override {
    return machine_.ToHostPath(windowsPath);
  }

 private:
  const HostMachine& machine_;
};

MachineFaultNotice& FaultNotice() {
  static MachineFaultNotice notice;  // once per run
  return notice;
}

void LaunchPage(QWidget* parent, const char* page) {
  HostMachine machine(HostMachine::DirectoryInDataHome(kMachineDirectoryName),
                      HostMachine::SystemLayersInDataDirs(kMachineDirectoryName));
  MachineHostPaths hostPaths(machine);
  XdgHtmlHandler desktop;
  QtMessageBox messages;
  messages.SetOwner(parent);
  ProgramStarter starter;
  PageLauncher launcher(PageLauncherServices{machine, hostPaths, desktop, messages, starter}, page);
  launcher.LaunchPage();
  FaultNotice().Tell(machine, messages);
}

}  // namespace

void RunPreferencesDialog(QWidget* parent, CSylvarineView& view) {
  PreferencesModel model(view.State());
  PreferencesDialog dialog(model, parent);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  FinishPreferences(model, accepted, view.State(), view.Services().invalidation);
}

void OpenHelpPage(QWidget* parent) { LaunchPage(parent, kHelpPage); }

void OpenWebPage(QWidget* parent) { LaunchPage(parent, kWebPage); }

void StartSoundMixer() {
  // PulseAudio's volume control, which also serves PipeWire, then its PipeWire and Qt cousins.
  ProgramStarter starter;
  for (const char* mixer : {"pavucontrol", "pwvucontrol", "pavucontrol-qt"})
    if (starter.StartProgram(mixer, nullptr, 0)) return;
}
