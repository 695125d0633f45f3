// Destination, shell folders, file copies and the private runtime files.
#include "installer/operations/install_operations.h"

#include "installer/operations/piece_copy.h"
#include "installer/operations/runtime_patch.h"
#include "platform/portable/registry_hive.h"
#include "platform/portable/text_encoding.h"
#include "platform/portable/windows_path.h"

namespace {

constexpr std::string_view DestinationValue = "DestinationPath";
// The installer reads registry texts into 300 bytes, terminator included.
constexpr std::size_t RegistryTextBytes = 299;

// A value counts only when its single-byte form fits the installer's buffer.
bool ReadFittingString(IMachine& machine, RegistryRoot root, std::string_view key,
                       std::string_view name, std::string& value) {
  std::string read;
  // UTF-8 takes at most three bytes for a Windows-1252 character.
  if (!machine.ReadRegistryString(root, key, name, 3 * RegistryTextBytes + 1, read)) return false;
  if (Utf8ToCp1252(read).size() > RegistryTextBytes) return false;
  value = read.substr(0, read.find('\0'));
  return true;
}

void EndWithSeparator(std::string& directory) {
  if (!directory.ends_with('\\')) directory += '\\';
}

}  // namespace

void CInstallOperations::UseProduct(ProductEntries product) {
  product_ = std::move(product);
  uninstallLog_.Start(product_.productName, product_.language, product_.destinationKey);
}

std::string CInstallOperations::ReadDestination() {
  std::string stored;
  if (ReadFittingString(machine_, RegistryRoot::LocalMachine, product_.destinationKey,
                        DestinationValue, stored))
    return stored;
  prompts_.TellMachineFault();
  return TypedPathToWindows(product_.defaultDestination);
}

// Paths travel as single-byte text (the log, the shortcuts): a character without a
// Windows-1252 form becomes "?" here already, so that the files made and the log
// that lists them agree.
void CInstallOperations::TakeTypedDestination(const std::string& typed) {
  destinationDir_ = Cp1252ToUtf8(Utf8ToCp1252(TypedPathToWindows(typed)));
}

Flow CInstallOperations::PrepareDestination() {
  EndWithSeparator(destinationDir_);
  ResolveRelativeDestination();
  if (CheckDestination() == Flow::Quit) return Flow::Quit;
  CreateOneDirectory(destinationDir_);
  return WriteDestination();
}

// Everything made from the destination outlives this process: "DestinationPath", the
// shortcuts' targets, the log's records and the removal list's command are all used
// from other working directories, where a relative path names somewhere else.
void CInstallOperations::ResolveRelativeDestination() {
  if (workingDirectory_.empty()) return;
  const bool networkPath = destinationDir_.size() >= 2 && IsWindowsSeparator(destinationDir_[0]) &&
                           IsWindowsSeparator(destinationDir_[1]);
  if (networkPath || ParseWindowsPath(destinationDir_).drive != 0) return;
  destinationDir_ = Cp1252ToUtf8(
      Utf8ToCp1252(FormatWindowsPath(AbsoluteWindowsPath(destinationDir_, workingDirectory_))));
  EndWithSeparator(destinationDir_);
}

Flow CInstallOperations::WriteDestination() {
  prompts_.ShowStatus(InstallerText::RegistryRootStatus);
  // Without the value the product could never be uninstalled: stop before any copy.
  if (!machine_.WriteRegistryString(RegistryRoot::LocalMachine, product_.destinationKey,
                                    DestinationValue, destinationDir_)) {
    prompts_.ShowMessage(
        prompts_.WithMachineFault(prompts_.Pick(InstallerText::DestinationNotStored)));
    return prompts_.QuitInstaller();
  }
  return Flow::Continue;
}

// A NUL (which a script may hold) or a name the registry refuses would leave a product
// that the removal list cannot name or whose destination cannot be found again.
Flow CInstallOperations::CheckRegistryEntries() {
  const std::string& product = product_.productName;
  if (product.find('\0') != std::string::npos ||
      !RegistryHive::CanHoldKey(std::string(UninstallKeyPrefix) + product))
    return prompts_.Refuse(InstallerText::ProductNameUnusable);
  const std::string& key = product_.destinationKey;
  if (key.find('\0') != std::string::npos || !RegistryHive::CanHoldKey(key))
    return prompts_.Refuse(InstallerText::DestinationKeyUnusable);
  return Flow::Continue;
}

// "DestinationPath" is read back into 300 bytes and the log's paths grow from the
// destination: longer than 259 characters, the product could not be uninstalled.
Flow CInstallOperations::CheckDestination() {
  if (destinationDir_.find('\0') != std::string::npos)
    return prompts_.Refuse(InstallerText::DestinationHasNul);
  if (Utf8ToCp1252(destinationDir_).size() > MaxDestinationChars)
    return prompts_.Refuse(InstallerText::DestinationTooLong);
  return Flow::Continue;
}

void CInstallOperations::ReadShellFolders() {
  struct Folder {
    std::string_view name;
    std::string* member;
  };
  const Folder folders[] = {{"Programs", &folders_.programsDir},
                            {"Startup", &folders_.startupDir},
                            {"Desktop", &folders_.desktopDir},
                            {"Start Menu", &folders_.startMenuDir}};
  for (const Folder& folder : folders) {
    folder.member->clear();
    if (!ReadFittingString(machine_, RegistryRoot::CurrentUser, ShellFoldersKey, folder.name,
                           *folder.member))
      prompts_.TellMachineFault();
  }
}

// A target the system refuses (no rights, a file in use) is told with the system's words.
Flow CInstallOperations::RefuseWithSystemWords(const BilingualText& text) {
  prompts_.ShowMessage(
      prompts_.WithMachineFault(prompts_.Pick(text), InstallerText::SystemFaultLead));
  return prompts_.QuitInstaller();
}

Flow CInstallOperations::CopyFileEntry(std::string_view source, std::string_view targetDirectory,
                                       std::string_view targetName, std::string_view deletionFlag,
                                       CopyKind kind) {
  prompts_.ShowStatus(targetName);
  CPieceCopy copy(machine_, InstallerFileBuffer());
  if (!copy.OpenSource(source)) return prompts_.Refuse(InstallerText::FileNotFound);
  if (product_.checkDependencies)
    prompts_.ShowStatus(std::string(prompts_.Pick(InstallerText::TestDependency)) +
                        std::string(targetName));
  const std::string target = std::string(targetDirectory) + std::string(targetName);
  const auto result =
      copy.WriteTo(target, product_.checkDependencies && RuntimePatch::AppliesTo(targetName));
  if (result == CPieceCopy::Result::SourceUnreadable)
    return prompts_.Refuse(InstallerText::FileNotFound);
  if (result != CPieceCopy::Result::Written)
    return RefuseWithSystemWords(kind == CopyKind::WindowsDirectory
                                     ? InstallerText::WindowsFileNotCreated
                                     : InstallerText::FileNotCreated);
  machine_.CopyExecutableMode(source, target);
  if (deletionFlag == "DEL" || deletionFlag == "del") uninstallLog_.AppendRemovalRecord(target);
  return Flow::Continue;
}

Flow CInstallOperations::CopySystemRuntime() {
  prompts_.ShowStatus(prompts_.Pick(InstallerText::CopySystemFiles));
  const std::string systemDirectory = machine_.SystemDirectory();
  for (const auto& runtime : InstallerText::RuntimeFiles) {
    CPieceCopy copy(machine_, InstallerFileBuffer());
    if (!copy.OpenSource(runtime.name)) return prompts_.Refuse(runtime.notFound);
    const auto head = copy.FirstPiece();
    if (head.size() < 3 || head[0] != 0x4D || head[1] != 0x5A || head[2] != 0x90)
      return prompts_.Refuse(runtime.damaged);
    const std::string target = systemDirectory + "\\" + std::string(runtime.name);
    // A runtime file already present is never replaced, whatever its content.
    const IMachine::FileHandle existing = machine_.OpenForReading(target);
    if (existing >= 0) {
      machine_.CloseFile(existing);
      continue;
    }
    const auto result = copy.WriteTo(target, false);
    if (result == CPieceCopy::Result::SourceUnreadable) return prompts_.Refuse(runtime.notFound);
    if (result != CPieceCopy::Result::Written) return RefuseWithSystemWords(runtime.notCreated);
    machine_.CopyExecutableMode(runtime.name, target);
  }
  return Flow::Continue;
}
