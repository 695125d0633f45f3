#pragma once
// Drives CCorvaneView on the in-memory machine with a recording window.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "installer/corvane_view.h"
#include "platform/text_encoding.h"
#include "tests/support/memory_machine.h"
#include "tests/support/view_doubles.h"

// Thrown by the recording window so that an ended process unwinds the core.
struct ProcessEnded {
  int status;
};

class RecordingInstallerUi : public IInstallerUi {
 public:
  void PaintNow() override {
    statuses.push_back(view->StatusText());
    events.push_back("status: " + view->StatusText());
  }
  MessageAnswer ShowMessageBox(std::string_view text, MessageButtons buttons) override {
    messages.emplace_back(text);
    events.push_back("message: " + std::string(text));
    lastButtons = buttons;
    return buttons == MessageButtons::YesNo ? yesNoAnswer : MessageAnswer::Ok;
  }
  DestinationAnswer AskDestination(std::string_view prompt, std::string& destination) override {
    events.push_back("ask");
    askedPrompt = std::string(prompt);
    proposed = destination;
    if (typed) destination = *typed;
    return destinationAnswer;
  }
  void EndProcess(int status) override {
    events.push_back("end: " + std::to_string(status));
    throw ProcessEnded{status};
  }

  const CCorvaneView* view = nullptr;
  std::vector<std::string> events;
  std::vector<std::string> statuses;
  std::vector<std::string> messages;
  MessageButtons lastButtons = MessageButtons::Ok;
  MessageAnswer yesNoAnswer = MessageAnswer::Yes;
  DestinationAnswer destinationAnswer = DestinationAnswer::Ok;
  std::optional<std::string> typed;
  std::string askedPrompt;
  std::string proposed;
};

// Header entries 0 to 6 and "SCRIPT", then `commands` (already bracketed).
struct ScriptHeader {
  std::string product = "Sylvarine";
  std::string language = "EN";
  std::string mode = "instal";
  std::string key = "Software\\Kelvory\\Sylvarine\\SetupInfo";
  std::string destination = "C:\\Sylvarine";
  std::string system = "nosystem";
  std::string depend = "nodepend";
};

inline std::string MakeScript(const ScriptHeader& h, const std::string& commands) {
  return "CRV\r\n<" + h.product + ">\r\n<" + h.language + ">\r\n<" + h.mode + ">\r\n<" + h.key +
         ">\r\n<" + h.destination + ">\r\n<" + h.system + ">\r\n<" + h.depend +
         ">\r\n<SCRIPT>\r\n" + commands;
}

inline const std::string kMz = std::string("MZ\x90", 3);

class InstallerTest : public ::testing::Test {
 protected:
  InstallerTest() {
    machine.AddFile("setup", "installer program", true);
  }
  // Stores a script in Windows-1252, as a medium holds it.
  void PutScript(const std::string& utf8Text, const std::string& path = "setup.inf") {
    machine.AddFile(path, Utf8ToCp1252(utf8Text));
  }
  // Set-up and first paint; the status when the process ended there.
  std::optional<int> Start(const std::string& commandLine = "") {
    view = std::make_unique<CCorvaneView>(machine, ui, timers, commandLine);
    if (tellWorkingDirectory) view->SetWorkingDirectory(machine.workingDirectory);
    ui.view = view.get();
    try {
      view->OnInitialUpdate();
      view->OnPainted();
    } catch (const ProcessEnded& ended) {
      return ended.status;
    }
    return std::nullopt;
  }
  // Fires the timer `id` if armed; the status when the process ended.
  std::optional<int> Fire(uint32_t id) {
    if (!timers.IsArmed(id)) return std::nullopt;
    try {
      view->OnTimer(id);
    } catch (const ProcessEnded& ended) {
      return ended.status;
    }
    return std::nullopt;
  }
  // The whole run: set-up, the start tick, the end tick. -1 when it never ended.
  int Run(const std::string& commandLine = "") {
    if (auto status = Start(commandLine)) return *status;
    if (auto status = Fire(InstallerTimer::Start)) return *status;
    if (auto status = Fire(InstallerTimer::End)) return *status;
    return -1;
  }
  std::string Value(RegistryRoot root, const std::string& key, const std::string& name) {
    return machine.Hive(root).GetString(key, name).value_or("<missing>");
  }
  bool HasMessage(const std::string& text) const {
    for (const auto& m : ui.messages)
      if (m == text) return true;
    return false;
  }

  MemoryMachine machine;
  // The shell tells the view where the process runs; tests of the bare core may not.
  bool tellWorkingDirectory = true;
  RecordingInstallerUi ui;
  FakeTimers timers;
  std::unique_ptr<CCorvaneView> view;
};
