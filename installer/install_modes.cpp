// The two install modes: with the destination dialog, and automatic.
#include "installer/corvane_view.h"
#include "installer/installer_window_layout.h"
#include "platform/portable/text_encoding.h"
#include "platform/portable/windows_path.h"

namespace {

bool IsNoDestination(std::string_view directory) {
  return directory == "NULL" || directory == "null" || directory == "null\\" ||
         directory == "NULL\\";
}

void EndWithSeparator(std::string& directory) {
  if (!directory.ends_with('\\')) directory += '\\';
}

}  // namespace

Flow CCorvaneView::DoInstall() {
  timers_.KillTimer(InstallerTimer::Start);
  if (CheckRegistryEntries() == Flow::Quit) return Flow::Quit;
  destinationDir_ = ReadDestination();
  std::string answer = destinationDir_;
  const auto outcome = ui_.AskDestination(
      French() ? DestinationDialog::PromptFrench : DestinationDialog::PromptEnglish, answer);
  if (outcome == DestinationAnswer::Cancel) return QuitInstaller();
  // Paths travel as single-byte text (the log, the shortcuts): a character without a
  // Windows-1252 form becomes "?" here already, so that the files made and the log
  // that lists them agree.
  if (outcome == DestinationAnswer::Ok)
    destinationDir_ = Cp1252ToUtf8(Utf8ToCp1252(TypedPathToWindows(answer)));
  if (PrepareDestination() == Flow::Quit) return Flow::Quit;
  return InstallAfterDestination(true);
}

// The destination ends with "\", is made (one level) and stored in "DestinationPath".
Flow CCorvaneView::PrepareDestination() {
  EndWithSeparator(destinationDir_);
  ResolveRelativeDestination();
  if (CheckDestination() == Flow::Quit) return Flow::Quit;
  CreateOneDirectory(destinationDir_);
  return WriteDestination();
}

// Everything made from the destination outlives this process: "DestinationPath", the
// shortcuts' targets, the log's records and the removal list's command are all used
// from other working directories, where a relative path names somewhere else.
void CCorvaneView::ResolveRelativeDestination() {
  if (workingDirectory_.empty()) return;
  const bool networkPath = destinationDir_.size() >= 2 && IsWindowsSeparator(destinationDir_[0]) &&
                           IsWindowsSeparator(destinationDir_[1]);
  if (networkPath || ParseWindowsPath(destinationDir_).drive != 0) return;
  destinationDir_ = Cp1252ToUtf8(
      Utf8ToCp1252(FormatWindowsPath(AbsoluteWindowsPath(destinationDir_, workingDirectory_))));
  EndWithSeparator(destinationDir_);
}

Flow CCorvaneView::DoAutoInstall() {
  timers_.KillTimer(InstallerTimer::Start);
  if (CheckRegistryEntries() == Flow::Quit) return Flow::Quit;
  destinationDir_ = ReadDestination();
  const bool hasDestination = !IsNoDestination(destinationDir_);
  if (hasDestination && PrepareDestination() == Flow::Quit) return Flow::Quit;
  return InstallAfterDestination(hasDestination);
}

Flow CCorvaneView::InstallAfterDestination(bool registerUninstall) {
  if (EntryIs(5, "system", "SYSTEM") && CopySystemRuntime() == Flow::Quit) return Flow::Quit;
  ShowStatus(Pick(InstallerText::CopyFiles));
  ReadShellFolders();
  if (RunScript() == Flow::Quit) return Flow::Quit;
  if (registerUninstall) {
    ShowStatus(Pick(InstallerText::UninstallInfoStart));
    if (RegisterUninstall() == Flow::Quit) return Flow::Quit;
  }
  ShowStatus(Entry(0) + std::string(Pick(InstallerText::InstalledSuffix)));
  StartEndTimer(0);
  return Flow::Continue;
}
