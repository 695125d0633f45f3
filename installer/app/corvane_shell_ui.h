#pragma once
// What the installer's core asks of its window, on Qt: the status line painted at
// once, message boxes and the destination prompt, each also told on standard error.
#include "installer/app/corvane_window.h"
#include "installer/modes/corvane_view.h"
#include "installer/prompts/installer_ui.h"

class CorvaneShellUi : public IInstallerUi {
 public:
  CorvaneShellUi(CorvaneWindow& window, const CCorvaneView& view) : window_(window), view_(view) {}

  void PaintNow() override;
  MessageAnswer ShowMessageBox(std::string_view text, MessageButtons buttons) override;
  DestinationAnswer AskDestination(std::string_view prompt, std::string& destination) override;

 private:
  CorvaneWindow& window_;
  const CCorvaneView& view_;
};
