// The link commands' shared step: a shortcut to a file below the destination.
#include "installer/operations/install_operations.h"
#include "installer/operations/shortcut_writer.h"

void CInstallOperations::MakeShortcut(const std::string& linkFile, std::string_view target,
                                      std::string_view deletionFlag) {
  linkPath_ = linkFile;
  linkTarget_ = destinationDir_ + std::string(target);
  linkResult_ = CShortcutWriter(machine_).WriteShortcutFile(linkPath_, linkTarget_) ? 1 : 0;
  if (linkResult_ == 0) prompts_.ShowMessage(prompts_.Pick(InstallerText::ShortcutFailed));
  // Recorded even when the shortcut failed: the uninstall skips a missing file.
  if (deletionFlag == "DEL") uninstallLog_.AppendRemovalRecord(linkPath_);
}
