// Destination, shell folders, file copies and the private runtime files.
#include "installer/corvane_view.h"
#include "installer/piece_copy.h"
#include "installer/runtime_patch.h"
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

}  // namespace

std::string CCorvaneView::ReadDestination() {
  std::string stored;
  if (ReadFittingString(machine_, RegistryRoot::LocalMachine, Entry(3), DestinationValue, stored))
    return stored;
  TellMachineFault();
  return TypedPathToWindows(Entry(4));
}

Flow CCorvaneView::WriteDestination() {
  ShowStatus(InstallerText::RegistryRootStatus);
  // Without the value the product could never be uninstalled: stop before any copy.
  if (!machine_.WriteRegistryString(RegistryRoot::LocalMachine, Entry(3), DestinationValue,
                                    destinationDir_)) {
    ShowMessage(WithMachineFault(Pick(InstallerText::DestinationNotStored)));
    return QuitInstaller();
  }
  return Flow::Continue;
}

void CCorvaneView::ReadShellFolders() {
  struct Folder {
    std::string_view name;
    std::string* member;
  };
  const Folder folders[] = {{"Programs", &programsDir_},
                            {"Startup", &startupDir_},
                            {"Desktop", &desktopDir_},
                            {"Start Menu", &startMenuDir_}};
  for (const Folder& folder : folders) {
    folder.member->clear();
    if (!ReadFittingString(machine_, RegistryRoot::CurrentUser, ShellFoldersKey, folder.name,
                           *folder.member))
      TellMachineFault();
  }
}

Flow CCorvaneView::CopyFileEntry(std::string_view source, std::string_view targetDirectory,
                                 std::string_view targetName, std::string_view deletionFlag,
                                 CopyKind kind) {
  ShowStatus(targetName);
  CPieceCopy copy(machine_, InstallerFileBuffer());
  if (!copy.OpenSource(source)) {
    ShowMessage(Pick(InstallerText::FileNotFound));
    return QuitInstaller();
  }
  const bool checkDependencies = EntryIs(6, "testdepend", "TESTDEPEND");
  if (checkDependencies)
    ShowStatus(std::string(Pick(InstallerText::TestDependency)) + std::string(targetName));
  const std::string target = std::string(targetDirectory) + std::string(targetName);
  const auto result =
      copy.WriteTo(target, checkDependencies && RuntimePatch::AppliesTo(targetName));
  if (result == CPieceCopy::Result::SourceUnreadable) {
    ShowMessage(Pick(InstallerText::FileNotFound));
    return QuitInstaller();
  }
  if (result != CPieceCopy::Result::Written) {
    ShowMessage(Pick(kind == CopyKind::WindowsDirectory ? InstallerText::WindowsFileNotCreated
                                                        : InstallerText::FileNotCreated));
    return QuitInstaller();
  }
  machine_.CopyExecutableMode(source, target);
  if (deletionFlag == "DEL" || deletionFlag == "del") AppendRemovalRecord(target);
  return Flow::Continue;
}

Flow CCorvaneView::CopySystemRuntime() {
  ShowStatus(Pick(InstallerText::CopySystemFiles));
  const std::string systemDirectory = machine_.SystemDirectory();
  for (const auto& runtime : InstallerText::RuntimeFiles) {
    CPieceCopy copy(machine_, InstallerFileBuffer());
    if (!copy.OpenSource(runtime.name)) {
      ShowMessage(Pick(runtime.notFound));
      return QuitInstaller();
    }
    const auto head = copy.FirstPiece();
    if (head.size() < 3 || head[0] != 0x4D || head[1] != 0x5A || head[2] != 0x90) {
      ShowMessage(Pick(runtime.damaged));
      return QuitInstaller();
    }
    const std::string target = systemDirectory + "\\" + std::string(runtime.name);
    // A runtime file already present is never replaced, whatever its content.
    const IMachine::FileHandle existing = machine_.OpenForReading(target);
    if (existing >= 0) {
      machine_.CloseFile(existing);
      continue;
    }
    const auto result = copy.WriteTo(target, false);
    if (result == CPieceCopy::Result::SourceUnreadable) {
      ShowMessage(Pick(runtime.notFound));
      return QuitInstaller();
    }
    if (result != CPieceCopy::Result::Written) {
      ShowMessage(Pick(runtime.notCreated));
      return QuitInstaller();
    }
    machine_.CopyExecutableMode(runtime.name, target);
  }
  return Flow::Continue;
}
