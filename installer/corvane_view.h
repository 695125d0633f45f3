#pragma once
// The installer's view: all installer state, the script, the modes.
// The Qt shell forwards its first set-up, paints and timer ticks here.
#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "installer/installer_texts.h"
#include "installer/installer_ui.h"
#include "installer/run_flow.h"
#include "installer/script_entries.h"
#include "platform/machine.h"
#include "platform/message_box.h"
#include "platform/timer_service.h"

namespace InstallerTimer {
constexpr uint32_t Start = 1;
constexpr uint32_t End = 2;
constexpr uint32_t PeriodMs = 2000;
}  // namespace InstallerTimer

// The installer's own file in the medium, copied as the uninstaller: the name the
// program has on this platform, else the Windows name.
constexpr std::string_view InstallerFileNames[] = {"setup", "setup.exe"};
constexpr std::string_view UninstallerFileName = "CRVunins.exe";
constexpr std::string_view UninstallLogName = "uninst.inf";
constexpr std::string_view ScriptFileName = "setup.inf";
constexpr std::string_view UninstallKeyPrefix = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr std::string_view ShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// The longest destination directory, its final "\" included, in single-byte characters.
constexpr std::size_t MaxDestinationChars = 259;

// The file the program's argument names, as a Windows path: one pair of enclosing
// double quotes removed (the removal list starts the uninstaller with them), a host
// path taken as its Z: form. Empty without an argument.
std::string CommandLineDocumentPath(std::string argument);
// The file named on the command line is opened before the view is made; when it
// cannot be, the program ends at start-up.
bool CommandLineDocumentOpens(IMachine& machine, std::string_view documentPath);
// The message of that failure.
std::string DocumentNotOpenedMessage(std::string_view documentPath);

class CCorvaneView {
 public:
  // `commandLinePath` is the program's first argument as received (may be empty);
  // one pair of enclosing double quotes is removed if it still has them.
  CCorvaneView(IMachine& machine, IInstallerUi& ui, ITimerService& timers,
               std::string commandLinePath);

  // The process's working directory as a Windows path: a destination given relative
  // to it is stored whole. Left empty, such a destination stays as given.
  void SetWorkingDirectory(std::string windowsPath) { workingDirectory_ = std::move(windowsPath); }

  // firstPaint = 1, LoadScript, productTitle, statusText; the exit status when the
  // process ends here (no usable script).
  [[nodiscard]] ProcessEnd OnInitialUpdate();
  void OnPainted();  // after every paint: the first one starts the start timer
  [[nodiscard]] ProcessEnd OnTimer(uint32_t timerId);

  const std::string& StatusText() const { return statusText_; }
  // True when entry 1 of the script asks for French.
  bool French() const { return entries_[1] == "FR"; }
  // Slot `index` of the entry table; empty past the end of the script.
  const std::string& Entry(std::size_t index) const;
  const std::string& UninstallLog() const { return uninstallLog_; }
  const std::string& DestinationDir() const { return destinationDir_; }

  // Shared with every step: the status line painted at once, a message box, and
  // the end of an abandoned run ("Exit...", then the process ends with status 1).
  void ShowStatus(std::string_view text);
  MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons = MessageButtons::Ok);
  Flow QuitInstaller();

 private:
  std::string_view Pick(const BilingualText& text) const {
    return French() ? text.french : text.english;
  }
  bool EntryIs(std::size_t index, std::string_view lower, std::string_view upper) const;

  // Script (loading, interpreters).
  enum class ScriptFile { NotAccepted, Loaded, TooManyEntries };
  Flow LoadScript();
  ScriptFile ReadScriptFile(std::string_view path);
  void StartUninstallLog();
  std::optional<std::size_t> CommandListStart() const;
  Flow RunScript();
  Flow RunUninstallScript();
  Flow ScriptError();

  // Install operations.
  std::string ReadDestination();
  Flow WriteDestination();
  void ReadShellFolders();
  enum class CopyKind { Ordinary, WindowsDirectory };
  Flow CopyFileEntry(std::string_view source, std::string_view targetDirectory,
                     std::string_view targetName, std::string_view deletionFlag,
                     CopyKind kind = CopyKind::Ordinary);
  Flow CopySystemRuntime();
  void MakeShortcut(const std::string& linkFile, std::string_view target,
                    std::string_view deletionFlag);
  void CreateOneDirectory(const std::string& path);
  void AppendRemovalRecord(std::string_view path);

  // Modes.
  Flow DoInstall();
  Flow DoAutoInstall();
  Flow DoUninstall();
  Flow DoUpdate();
  Flow PrepareDestination();
  Flow InstallAfterDestination(bool registerUninstall);
  void ResolveRelativeDestination();
  Flow RegisterUninstall();
  Flow WriteUninstallLog();
  void DeleteListedFile(const std::string& path);
  void StartEndTimer(int exitStatus);

  // Refusals before anything is written, and what the machine itself reports.
  Flow CheckRegistryEntries();
  Flow CheckDestination();
  Flow Refuse(const BilingualText& text);
  void TellMachineFault();
  std::string WithMachineFault(std::string_view text) const;

  IMachine& machine_;
  IInstallerUi& ui_;
  ITimerService& timers_;
  std::string commandLinePath_;
  std::string workingDirectory_;
  std::string statusText_;
  std::string productTitle_;
  int32_t firstPaint_ = 0;
  int exitStatusAtEnd_ = 1;
  std::set<std::string> toldFaults_;

  SetupScript::EntryTable entries_;
  std::string uninstallLog_;

  std::string destinationDir_;
  std::array<std::string, 6> subdirectory_;  // slots 1 to 5
  std::string groupDir_;
  std::string programsDir_;
  std::string startMenuDir_;
  std::string startupDir_;
  std::string desktopDir_;
  std::string linkPath_;
  std::string linkTarget_;
  int32_t linkResult_ = 0;
};
