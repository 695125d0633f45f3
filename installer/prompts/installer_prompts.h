#pragma once
// How the installer talks to the person: the status line painted at once, message
// boxes, the destination prompt, and the end of an abandoned run. Every step uses these;
// the language is the script's, English until a script is read.
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "installer/prompts/installer_texts.h"
#include "installer/prompts/installer_ui.h"
#include "installer/prompts/run_flow.h"
#include "platform/machine.h"

class CInstallerPrompts {
 public:
  CInstallerPrompts(IMachine& machine, IInstallerUi& ui) : machine_(machine), ui_(ui) {}

  // Entry 1 of the script is exactly "FR".
  void SetFrench(bool french) { french_ = french; }
  bool French() const { return french_; }
  std::string_view Pick(const BilingualText& text) const {
    return french_ ? text.french : text.english;
  }

  const std::string& StatusText() const { return statusText_; }
  // The status line before the window is shown: nothing is painted yet.
  void SetStatusText(std::string text) { statusText_ = std::move(text); }
  void ShowStatus(std::string_view text);
  MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons = MessageButtons::Ok);
  // "Exit..." in the status line; the process then ends with status 1.
  Flow QuitInstaller();
  // A message, then QuitInstaller.
  Flow Refuse(const BilingualText& text);
  // The destination dialog with its prompt in the script's language: `destination` holds
  // the proposal and, after Ok, the answer.
  DestinationAnswer AskDestination(std::string& destination);

  // What the machine itself reports of its registry or directory, told once per fault.
  void TellMachineFault();
  // `text`, with the machine's own words on the next line, after `lead`, when it
  // reports a fault.
  std::string WithMachineFault(std::string_view text,
                               const BilingualText& lead = InstallerText::MachineFaultLead) const;

 private:
  IMachine& machine_;
  IInstallerUi& ui_;
  bool french_ = false;
  std::string statusText_;
  std::set<std::string> toldFaults_;
};
