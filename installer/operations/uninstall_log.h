#pragma once
// The text of the uninstall log "uninst.inf": itself a setup script whose command list
// deletes every file recorded while installing.
#include <string>
#include <string_view>

class CUninstallLog {
 public:
  // The opening, from the installing script's entries 0, 1 and 3, up to "<SCRIPT>";
  // any earlier content is dropped.
  void Start(std::string_view productName, std::string_view language,
             std::string_view destinationKey);
  // A "DELETE" command for a file made by the installation.
  void AppendRemovalRecord(std::string_view path);
  // "<ENDSCRIPT>" and the closing line ends.
  void Close();
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};
