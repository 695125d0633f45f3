// The two install modes: with the destination dialog, and automatic.
#include "installer/modes/corvane_view.h"

namespace {

bool IsNoDestination(std::string_view directory) {
  return directory == "NULL" || directory == "null" || directory == "null\\" ||
         directory == "NULL\\";
}

}  // namespace

Flow CCorvaneView::DoInstall() {
  timers_.KillTimer(InstallerTimer::Start);
  if (operations_.CheckRegistryEntries() == Flow::Quit) return Flow::Quit;
  operations_.SetDestinationDir(operations_.ReadDestination());
  std::string answer = operations_.DestinationDir();
  const DestinationAnswer outcome = prompts_.AskDestination(answer);
  if (outcome == DestinationAnswer::Cancel) return prompts_.QuitInstaller();
  if (outcome == DestinationAnswer::Ok) operations_.TakeTypedDestination(answer);
  if (operations_.PrepareDestination() == Flow::Quit) return Flow::Quit;
  return InstallAfterDestination(true);
}

Flow CCorvaneView::DoAutoInstall() {
  timers_.KillTimer(InstallerTimer::Start);
  if (operations_.CheckRegistryEntries() == Flow::Quit) return Flow::Quit;
  operations_.SetDestinationDir(operations_.ReadDestination());
  const bool hasDestination = !IsNoDestination(operations_.DestinationDir());
  if (hasDestination && operations_.PrepareDestination() == Flow::Quit) return Flow::Quit;
  return InstallAfterDestination(hasDestination);
}

Flow CCorvaneView::InstallAfterDestination(bool registerUninstall) {
  if (script_.InstallsRuntime() && operations_.CopySystemRuntime() == Flow::Quit)
    return Flow::Quit;
  prompts_.ShowStatus(prompts_.Pick(InstallerText::CopyFiles));
  operations_.ReadShellFolders();
  if (script_.RunScript() == Flow::Quit) return Flow::Quit;
  if (registerUninstall) {
    prompts_.ShowStatus(prompts_.Pick(InstallerText::UninstallInfoStart));
    if (operations_.RegisterUninstall() == Flow::Quit) return Flow::Quit;
  }
  prompts_.ShowStatus(script_.ProductName() +
                      std::string(prompts_.Pick(InstallerText::InstalledSuffix)));
  StartEndTimer(0);
  return Flow::Continue;
}
