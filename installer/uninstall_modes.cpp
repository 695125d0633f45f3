// The uninstall information left by an install, the uninstall and update modes.
#include "installer/corvane_view.h"
#include "platform/portable/text_encoding.h"

namespace {

// A product name of nothing but separators names the list of every product, not an
// entry of it: writing there would spoil the list, deleting it would unregister all.
bool NamesOwnRemovalKey(std::string_view productName) {
  return productName.find_first_not_of('\\') != std::string_view::npos;
}

}  // namespace

Flow CCorvaneView::RegisterUninstall() {
  ShowStatus(Pick(InstallerText::UninstallInfoRegister));
  std::string_view installerFile = InstallerFileNames[0];
  for (std::string_view name : InstallerFileNames) {
    if (machine_.FileExists(name)) {
      installerFile = name;
      break;
    }
  }
  if (CopyFileEntry(installerFile, machine_.WindowsDirectory() + "\\", UninstallerFileName,
                    "NODEL", CopyKind::WindowsDirectory) == Flow::Quit)
    return Flow::Quit;
  const std::string key = std::string(UninstallKeyPrefix) + Entry(0);
  // Written whole, however long: a cut command could not start the uninstaller.
  const std::string command = "\"" + machine_.WindowsDirectory() + "\\" +
                              std::string(UninstallerFileName) + "\" \"" + destinationDir_ +
                              std::string(UninstallLogName) + "\"";
  bool registered = true;
  std::string registrationFailure;
  if (NamesOwnRemovalKey(Entry(0))) {
    registered =
        machine_.WriteRegistryString(RegistryRoot::LocalMachine, key, "UninstallString", command) &&
        machine_.WriteRegistryString(RegistryRoot::LocalMachine, key, "DisplayName", Entry(0));
    if (!registered) registrationFailure = WithMachineFault(Pick(InstallerText::UninstallNotRegistered));
  }
  uninstallLog_.append("\r\n<ENDSCRIPT>\r\n\r\n\r\n\r\n");
  if (WriteUninstallLog() == Flow::Quit) return Flow::Quit;
  // The log is written all the same: with it the uninstaller can still be run by hand.
  if (!registered) {
    ShowMessage(registrationFailure);
    return QuitInstaller();
  }
  return Flow::Continue;
}

Flow CCorvaneView::WriteUninstallLog() {
  ShowStatus(Pick(InstallerText::UninstallInfoLog));
  const std::string bytes = Utf8ToCp1252(uninstallLog_);
  const IMachine::FileHandle file = machine_.CreateForWriting(destinationDir_ + std::string(UninstallLogName));
  const bool written =
      file >= 0 &&
      machine_.WriteFile(file, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()) &&
      machine_.CloseFile(file);
  if (!written) {
    ShowMessage(Pick(InstallerText::LogNotCreated));
    return QuitInstaller();
  }
  return Flow::Continue;
}

Flow CCorvaneView::DoUninstall() {
  timers_.KillTimer(InstallerTimer::Start);
  const std::string question = std::string(Pick(InstallerText::UninstallQuestionStart)) +
                               Entry(0) + std::string(Pick(InstallerText::UninstallQuestionEnd));
  if (ShowMessage(question, MessageButtons::YesNo) != MessageAnswer::Yes) {
    // Nothing was removed: a caller must not take this for a done uninstall.
    StartEndTimer(1);
    return Flow::Continue;
  }
  ShowStatus(Pick(InstallerText::Uninstalling));
  destinationDir_ = ReadDestination();
  if (destinationDir_ == "..") {
    ShowMessage(Pick(InstallerText::CannotUninstall));
    // Nothing was removed: a caller must not take this for a done uninstall.
    StartEndTimer(1);
    return Flow::Continue;
  }
  if (RunUninstallScript() == Flow::Quit) return Flow::Quit;
  // A key already gone is no fault; a registry that cannot be written is told.
  if (NamesOwnRemovalKey(Entry(0)) &&
      !machine_.DeleteRegistryKey(RegistryRoot::LocalMachine,
                                  std::string(UninstallKeyPrefix) + Entry(0)))
    TellMachineFault();
  DeleteListedFile(destinationDir_ + std::string(UninstallLogName));
  ShowStatus(Entry(0) + std::string(Pick(InstallerText::UninstalledSuffix)));
  StartEndTimer(0);
  return Flow::Continue;
}

// Files already gone, or that cannot be removed, are skipped without a word.
void CCorvaneView::DeleteListedFile(const std::string& path) {
  if (machine_.FileExists(path)) machine_.RemoveFile(path);
}

Flow CCorvaneView::DoUpdate() {
  timers_.KillTimer(InstallerTimer::Start);
  ShowStatus(Pick(InstallerText::Updating));
  destinationDir_ = ReadDestination();
  if (destinationDir_ == "..") {
    ShowMessage(Pick(InstallerText::CannotUpdate));
    return QuitInstaller();
  }
  if (CheckDestination() == Flow::Quit) return Flow::Quit;
  ReadShellFolders();
  if (RunScript() == Flow::Quit) return Flow::Quit;
  ShowStatus(Entry(0) + std::string(Pick(InstallerText::UpdatedSuffix)));
  StartEndTimer(0);
  return Flow::Continue;
}
