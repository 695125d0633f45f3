// The uninstall and update modes.
#include "installer/modes/corvane_view.h"

Flow CCorvaneView::DoUninstall() {
  timers_.KillTimer(InstallerTimer::Start);
  const std::string question = std::string(prompts_.Pick(InstallerText::UninstallQuestionStart)) +
                               script_.ProductName() +
                               std::string(prompts_.Pick(InstallerText::UninstallQuestionEnd));
  if (prompts_.ShowMessage(question, MessageButtons::YesNo) != MessageAnswer::Yes) {
    // Nothing was removed: a caller must not take this for a done uninstall.
    StartEndTimer(1);
    return Flow::Continue;
  }
  prompts_.ShowStatus(prompts_.Pick(InstallerText::Uninstalling));
  operations_.SetDestinationDir(operations_.ReadDestination());
  if (operations_.DestinationDir() == "..") {
    prompts_.ShowMessage(prompts_.Pick(InstallerText::CannotUninstall));
    // Nothing was removed: a caller must not take this for a done uninstall.
    StartEndTimer(1);
    return Flow::Continue;
  }
  if (script_.RunUninstallScript() == Flow::Quit) return Flow::Quit;
  if (!operations_.FilesNotRemoved().empty()) {
    // The registration and the log stay: once the files are free, the uninstall can
    // be run again from the list of removable programs.
    std::string message(prompts_.Pick(InstallerText::FilesNotRemoved));
    for (const std::string& path : operations_.FilesNotRemoved()) message.append("\n").append(path);
    prompts_.ShowMessage(message);
    return prompts_.QuitInstaller();
  }
  operations_.DeleteRegistration();
  operations_.DeleteListedFile(operations_.DestinationDir() + std::string(UninstallLogName));
  prompts_.ShowStatus(script_.ProductName() +
                      std::string(prompts_.Pick(InstallerText::UninstalledSuffix)));
  StartEndTimer(0);
  return Flow::Continue;
}

Flow CCorvaneView::DoUpdate() {
  timers_.KillTimer(InstallerTimer::Start);
  prompts_.ShowStatus(prompts_.Pick(InstallerText::Updating));
  operations_.SetDestinationDir(operations_.ReadDestination());
  if (operations_.DestinationDir() == "..") return prompts_.Refuse(InstallerText::CannotUpdate);
  if (operations_.CheckDestination() == Flow::Quit) return Flow::Quit;
  operations_.ReadShellFolders();
  if (script_.RunScript() == Flow::Quit) return Flow::Quit;
  prompts_.ShowStatus(script_.ProductName() +
                      std::string(prompts_.Pick(InstallerText::UpdatedSuffix)));
  StartEndTimer(0);
  return Flow::Continue;
}
