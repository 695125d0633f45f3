#pragma once
// The installer's window as a double: it records every status, message and prompt,
// and answers as told.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "installer/modes/corvane_view.h"

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
  // The shell ended the process: the last event of a run.
  void RecordEnd(int status) { events.push_back("end: " + std::to_string(status)); }

  const CCorvaneView* view = nullptr;  // whose status line is painted
  std::vector<std::string> events;
  std::vector<std::string> statuses;
  std::vector<std::string> messages;
  MessageButtons lastButtons = MessageButtons::Ok;
  MessageAnswer yesNoAnswer = MessageAnswer::Yes;
  DestinationAnswer destinationAnswer = DestinationAnswer::Ok;
  std::optional<std::string> typed;  // what the person types in the destination dialog
  std::string askedPrompt;
  std::string proposed;
};

// Timers that only remember what is armed: a run fires them itself.
class InstallerTimers : public ITimerService {
 public:
  void SetTimer(uint32_t id, uint32_t periodMs) override {
    armed[id] = periodMs;
    ++setCount;
  }
  void KillTimer(uint32_t id) override { armed.erase(id); }
  bool IsArmed(uint32_t id) const { return armed.count(id) != 0; }
  std::optional<uint32_t> PeriodOf(uint32_t id) const {
    const auto found = armed.find(id);
    if (found == armed.end()) return std::nullopt;
    return found->second;
  }

  std::map<uint32_t, uint32_t> armed;  // identifier to period
  int setCount = 0;
};
