// What an installation leaves behind to be removed: the uninstaller copy, the entry of
// the removal list and the log; and the removal of what they list.
#include "installer/operations/install_operations.h"
#include "platform/portable/text_encoding.h"

namespace {

// A product name of nothing but separators names the list of every product, not an
// entry of it: writing there would spoil the list, deleting it would unregister all.
bool NamesOwnRemovalKey(std::string_view productName) {
  return productName.find_first_not_of('\\') != std::string_view::npos;
}

}  // namespace

Flow CInstallOperations::RegisterUninstall() {
  prompts_.ShowStatus(prompts_.Pick(InstallerText::UninstallInfoRegister));
  std::string_view installerFile = InstallerFileNames[0];
  for (std::string_view name : InstallerFileNames) {
    if (machine_.FileExists(name)) {
      installerFile = name;
      break;
    }
  }
  if (CopyFileEntry(installerFile, WindowsDirectory(), UninstallerFileName, "NODEL",
                    CopyKind::WindowsDirectory) == Flow::Quit)
    return Flow::Quit;
  const std::string& product = product_.productName;
  const std::string key = std::string(UninstallKeyPrefix) + product;
  // Written whole, however long: a cut command could not start the uninstaller.
  const std::string command = "\"" + WindowsDirectory() + std::string(UninstallerFileName) +
                              "\" \"" + destinationDir_ + std::string(UninstallLogName) + "\"";
  bool registered = true;
  std::string registrationFailure;
  if (NamesOwnRemovalKey(product)) {
    registered =
        machine_.WriteRegistryString(RegistryRoot::LocalMachine, key, "UninstallString", command) &&
        machine_.WriteRegistryString(RegistryRoot::LocalMachine, key, "DisplayName", product);
    if (!registered)
      registrationFailure =
          prompts_.WithMachineFault(prompts_.Pick(InstallerText::UninstallNotRegistered));
  }
  uninstallLog_.Close();
  if (WriteUninstallLog() == Flow::Quit) return Flow::Quit;
  // The log is written all the same: with it the uninstaller can still be run by hand.
  if (!registered) {
    prompts_.ShowMessage(registrationFailure);
    return prompts_.QuitInstaller();
  }
  return Flow::Continue;
}

Flow CInstallOperations::WriteUninstallLog() {
  prompts_.ShowStatus(prompts_.Pick(InstallerText::UninstallInfoLog));
  const std::string bytes = Utf8ToCp1252(uninstallLog_.Text());
  const IMachine::FileHandle file =
      machine_.CreateForWriting(destinationDir_ + std::string(UninstallLogName));
  const bool written =
      file >= 0 &&
      machine_.WriteFile(file, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()) &&
      machine_.CloseFile(file);
  if (!written) return prompts_.Refuse(InstallerText::LogNotCreated);
  return Flow::Continue;
}

// Files already gone are skipped without a word; one still there after its removal
// is remembered, for the person must not be told it was removed.
void CInstallOperations::DeleteListedFile(const std::string& path) {
  if (machine_.FileExists(path) && !machine_.RemoveFile(path) && machine_.FileExists(path))
    filesNotRemoved_.push_back(path);
}

// A key already gone is no fault; a registry that cannot be written is told.
void CInstallOperations::DeleteRegistration() {
  if (NamesOwnRemovalKey(product_.productName) &&
      !machine_.DeleteRegistryKey(RegistryRoot::LocalMachine,
                                  std::string(UninstallKeyPrefix) + product_.productName))
    prompts_.TellMachineFault();
}
