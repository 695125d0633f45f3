#pragma once
// The installer's work on the machine: the destination and its registry value, the
// user's shell folders, file copies, the private runtime files, shortcuts, and the
// uninstall information an installation leaves behind. Each step reports through the
// prompts; a fatal one hands back Flow::Quit.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "installer/operations/uninstall_log.h"
#include "installer/prompts/installer_prompts.h"
#include "platform/machine.h"

// The installer's own file in the medium, copied as the uninstaller: the name the
// program has on this platform, else the Windows name.
constexpr std::string_view InstallerFileNames[] = {"setup", "setup.exe"};
constexpr std::string_view UninstallerFileName = "CRVunins.exe";
constexpr std::string_view UninstallLogName = "uninst.inf";
constexpr std::string_view UninstallKeyPrefix =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr std::string_view ShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// The longest destination directory, its final "\" included, in single-byte characters.
constexpr std::size_t MaxDestinationChars = 259;

// What the operations take from the script's header entries.
struct ProductEntries {
  std::string productName;         // entry 0: the removal key and its "DisplayName"
  std::string language;            // entry 1, copied into the uninstall log
  std::string destinationKey;      // entry 3: the key of "DestinationPath"
  std::string defaultDestination;  // entry 4: when "DestinationPath" cannot be read
  bool checkDependencies = false;  // entry 6: executables' runtime references rewritten
};

// The four shell folders, as read; empty when unreadable.
struct ShellFolders {
  std::string programsDir;
  std::string startMenuDir;
  std::string startupDir;
  std::string desktopDir;
};

class CInstallOperations {
 public:
  CInstallOperations(IMachine& machine, CInstallerPrompts& prompts)
      : machine_(machine), prompts_(prompts) {}

  // The process's working directory as a Windows path: a destination given relative
  // to it is stored whole. Left empty, such a destination stays as given.
  void SetWorkingDirectory(std::string windowsPath) { workingDirectory_ = std::move(windowsPath); }
  // The loaded script's header; the uninstall log starts from it.
  void UseProduct(ProductEntries product);

  // The destination: "DestinationPath" under entry 3, else entry 4.
  std::string ReadDestination();
  const std::string& DestinationDir() const { return destinationDir_; }
  void SetDestinationDir(std::string directory) { destinationDir_ = std::move(directory); }
  // What the person typed in the destination dialog.
  void TakeTypedDestination(const std::string& typed);
  // Ends the destination with "\", makes it whole, checks it, creates it (one level)
  // and stores it in "DestinationPath".
  Flow PrepareDestination();
  Flow WriteDestination();
  // Refusals before anything is written: what the registry or the 259 characters of a
  // destination cannot hold could never be uninstalled.
  Flow CheckRegistryEntries();
  Flow CheckDestination();

  void ReadShellFolders();
  const ShellFolders& Folders() const { return folders_; }
  // The Windows and system directories, asked afresh, each with a final "\".
  std::string WindowsDirectory() const { return machine_.WindowsDirectory() + "\\"; }
  std::string SystemDirectory() const { return machine_.SystemDirectory() + "\\"; }

  // One level only; an existing or uncreatable directory shows up at the copies.
  void CreateOneDirectory(const std::string& path) { machine_.MakeDirectory(path); }
  enum class CopyKind { Ordinary, WindowsDirectory };
  Flow CopyFileEntry(std::string_view source, std::string_view targetDirectory,
                     std::string_view targetName, std::string_view deletionFlag,
                     CopyKind kind = CopyKind::Ordinary);
  Flow CopySystemRuntime();
  void MakeShortcut(const std::string& linkFile, std::string_view target,
                    std::string_view deletionFlag);

  // The uninstaller copy, the removal-list entry and the log.
  Flow RegisterUninstall();
  void DeleteListedFile(const std::string& path);
  // Listed files that were there but could not be removed (in use, read-only).
  const std::vector<std::string>& FilesNotRemoved() const { return filesNotRemoved_; }
  void DeleteRegistration();
  const std::string& UninstallLog() const { return uninstallLog_.Text(); }
  // Files are committed without waiting for the disk; a run ends with one flush.
  void FlushWrites() { machine_.FlushWrites(); }

 private:
  void ResolveRelativeDestination();
  Flow WriteUninstallLog();
  Flow RefuseWithSystemWords(const BilingualText& text);

  IMachine& machine_;
  CInstallerPrompts& prompts_;
  ProductEntries product_;
  std::string workingDirectory_;
  std::string destinationDir_;
  ShellFolders folders_;
  std::string linkPath_;
  std::string linkTarget_;
  int32_t linkResult_ = 0;
  CUninstallLog uninstallLog_;
  std::vector<std::string> filesNotRemoved_;
};
