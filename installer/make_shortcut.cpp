// The link commands' shared step: a shortcut to a file below the destination.
#include "installer/corvane_view.h"
#include "installer/shortcut_writer.h"

void CCorvaneView::MakeShortcut(const std::string& linkFile, std::string_view target,
                                std::string_view deletionFlag) {
  linkPath_ = linkFile;
  linkTarget_ = destinationDir_ + std::string(target);
  linkResult_ = CShortcutWriter(machine_).WriteShortcutFile(linkPath_, linkTarget_) ? 1 : 0;
  if (linkResult_ == 0) ShowMessage(Pick(InstallerText::ShortcutFailed));
  // Recorded even when the shortcut failed: the uninstall skips a missing file.
  if (deletionFlag == "DEL") AppendRemovalRecord(linkPath_);
}
