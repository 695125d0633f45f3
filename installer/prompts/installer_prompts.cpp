#include "installer/prompts/installer_prompts.h"

void CInstallerPrompts::ShowStatus(std::string_view text) {
  statusText_ = text;
  ui_.PaintNow();
}

MessageAnswer CInstallerPrompts::ShowMessage(std::string_view text, MessageButtons buttons) {
  return ui_.ShowMessageBox(text, buttons);
}

Flow CInstallerPrompts::QuitInstaller() {
  ShowStatus(Pick(InstallerText::Quit));
  machine_.FlushWrites();
  return Flow::Quit;
}

Flow CInstallerPrompts::Refuse(const BilingualText& text) {
  ShowMessage(Pick(text));
  return QuitInstaller();
}

DestinationAnswer CInstallerPrompts::AskDestination(std::string& destination) {
  return ui_.AskDestination(Pick(InstallerText::DestinationPrompt), destination);
}

// Told once per fault: the shell folders are read four times from the same file.
void CInstallerPrompts::TellMachineFault() {
  const std::string fault = machine_.MachineFault();
  if (fault.empty() || !toldFaults_.insert(fault).second) return;
  ShowMessage(std::string(Pick(InstallerText::MachineFaultLead)) + fault);
}

std::string CInstallerPrompts::WithMachineFault(std::string_view text,
                                                const BilingualText& lead) const {
  std::string message(text);
  const std::string fault = machine_.MachineFault();
  if (!fault.empty()) message.append("\n").append(Pick(lead)).append(fault);
  return message;
}
